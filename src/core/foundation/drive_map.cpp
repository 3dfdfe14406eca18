#include "core/foundation/drive_map.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QChar lowerLetter(QChar c)
{
    return c.toLower();
}

std::optional<DriveType> parseDriveType(QStringView text)
{
    const QString t = text.trimmed().toString().toLower();
    if (t == u"removable")
        return DriveType::Removable;
    if (t == u"fixed")
        return DriveType::Fixed;
    if (t == u"cdrom" || t == u"cd-rom")
        return DriveType::CdRom;
    return std::nullopt;
}

// The entry of `folder` that a component names, or nullopt if none does.
std::optional<QString> matchEntry(const QString &folder, const QString &component)
{
    if (QFileInfo::exists(folder + u'/' + component))
        return component;
    QDir dir(folder);
    QStringList entries = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    std::sort(entries.begin(), entries.end());
    for (const QString &entry : std::as_const(entries)) {
        if (entry.compare(component, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return std::nullopt;
}

} // namespace

DriveMap::DriveMap(const QString &systemRoot)
{
    setDrive(u'c', systemRoot, DriveType::Fixed);
}

void DriveMap::setDrive(QChar letter, const QString &hostPath, std::optional<DriveType> type)
{
    const QChar l = lowerLetter(letter);
    QString path = QDir::cleanPath(hostPath);
    for (Drive &d : m_drives) {
        if (d.letter == l) {
            d.hostPath = path;
            d.type = type;
            return;
        }
    }
    m_drives.append({l, path, type});
    std::sort(m_drives.begin(), m_drives.end(),
              [](const Drive &a, const Drive &b) { return a.letter < b.letter; });
}

const DriveMap::Drive *DriveMap::drive(QChar letter) const
{
    const QChar l = lowerLetter(letter);
    for (const Drive &d : m_drives) {
        if (d.letter == l)
            return &d;
    }
    return nullptr;
}

QString DriveMap::systemRoot() const
{
    const Drive *c = drive(u'c');
    return c ? c->hostPath : QString();
}

bool DriveMap::isSystemPath(QStringView path)
{
    return path.size() >= 2 && path[1] == u':' && path[0].isLetter() && path[0].unicode() < 0x80;
}

QString DriveMap::resolve(const QString &path) const
{
    if (!isSystemPath(path))
        return path;
    const Drive *d = drive(path[0]);
    if (!d)
        return {};

    QStringList components;
    for (QStringView part : QStringView(path).sliced(2).tokenize(u'\\')) {
        for (QStringView piece : part.tokenize(u'/', Qt::SkipEmptyParts)) {
            if (piece == u".")
                continue;
            if (piece == u"..") {
                if (!components.isEmpty())
                    components.removeLast();
                continue;
            }
            components.append(piece.toString());
        }
    }

    QString host = d->hostPath;
    bool onDisk = true;
    for (const QString &component : std::as_const(components)) {
        if (onDisk) {
            if (auto entry = matchEntry(host, component)) {
                host += u'/' + *entry;
                continue;
            }
            onDisk = false;
        }
        host += u'/' + component;
    }
    return host;
}

DriveMap DriveMap::fromList(const QString &systemRoot, const QString &list, QStringList *warnings)
{
    DriveMap map(systemRoot);
    for (QStringView entry : QStringView(list).tokenize(u';', Qt::SkipEmptyParts)) {
        entry = entry.trimmed();
        if (entry.isEmpty())
            continue;
        const qsizetype eq = entry.indexOf(u'=');
        const QStringView letter = eq > 0 ? entry.left(eq).trimmed() : QStringView();
        QStringView rest = eq > 0 ? entry.sliced(eq + 1).trimmed() : QStringView();
        std::optional<DriveType> type;
        const qsizetype comma = rest.lastIndexOf(u',');
        if (comma >= 0) {
            type = parseDriveType(rest.sliced(comma + 1));
            if (type)
                rest = rest.left(comma).trimmed();
        }
        const bool letterOk = letter.size() == 1 && letter[0].isLetter() &&
                              letter[0].unicode() < 0x80 && lowerLetter(letter[0]) != u'c';
        if (!letterOk || rest.isEmpty()) {
            if (warnings)
                warnings->append(u"VERIDANE_DRIVES 中的驱动器无法使用: "_s + entry.toString());
            continue;
        }
        map.setDrive(letter[0], rest.toString(), type);
    }
    return map;
}

QStringList DriveMap::mountedVolumeFolders()
{
    QStringList folders;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        const bool under = root.startsWith(u"/media/") || root.startsWith(u"/run/media/") ||
                           root == u"/mnt" || root.startsWith(u"/mnt/");
        if (under && volume.isValid() && volume.isReady())
            folders.append(root);
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

DriveMap DriveMap::fromEnvironment(const QString &systemRoot, QStringList *warnings)
{
    const QString list = qEnvironmentVariable("VERIDANE_DRIVES");
    if (!list.trimmed().isEmpty())
        return fromList(systemRoot, list, warnings);
    DriveMap map(systemRoot);
    char16_t letter = u'd';
    for (const QString &folder : mountedVolumeFolders()) {
        if (letter > u'z')
            break;
        map.setDrive(QChar(letter++), folder);
    }
    return map;
}

QString defaultSystemRoot(const QString &rootOption)
{
    if (!rootOption.isEmpty())
        return QDir::cleanPath(QDir::current().absoluteFilePath(rootOption));
    const QString env = qEnvironmentVariable("VERIDANE_ROOT");
    if (!env.isEmpty())
        return QDir::cleanPath(QDir::current().absoluteFilePath(env));
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + u"/.local/share"_s;
    return QDir::cleanPath(data + u"/veridane/c"_s);
}
