#include "gui/platform/shell_open.h"

#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

QUrl webAddress(const QString &withoutScheme)
{
    return QUrl(u"http://"_s + withoutScheme, QUrl::TolerantMode);
}

// A URL scheme of at least two characters, so that a drive letter ("c:") is none.
bool hasScheme(const QString &target)
{
    static const QRegularExpression scheme(u"^[A-Za-z][A-Za-z0-9+.\\-]+:"_s);
    return scheme.match(target).hasMatch();
}

} // namespace

ShellOpen::~ShellOpen() = default;

QUrl ShellOpen::urlFor(const QString &target)
{
    const QString trimmed = target.trimmed();
    if (trimmed.isEmpty())
        return {};
    if (trimmed.startsWith(u"www.", Qt::CaseInsensitive))
        return webAddress(trimmed);
    if (hasScheme(trimmed))
        return QUrl(trimmed, QUrl::TolerantMode);
    const QFileInfo file(trimmed);
    if (file.isAbsolute() || file.exists())
        return QUrl::fromLocalFile(file.absoluteFilePath());
    return webAddress(trimmed);
}
