#include "gui/platform/qt_shell_open.h"

#include <QDesktopServices>

void QtShellOpen::open(const QString &target, bool maximised)
{
    Q_UNUSED(maximised)
    const QUrl url = urlFor(target);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}
