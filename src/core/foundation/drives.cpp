#include "core/foundation/drives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

using namespace Qt::StringLiterals;

std::optional<DriveInfo> Drives::find(QChar letter) const
{
    const QChar l = letter.toLower();
    for (const DriveInfo &d : list()) {
        if (d.letter == l)
            return d;
    }
    return std::nullopt;
}

QList<DriveInfo> SystemDrives::list() const
{
    QList<DriveInfo> result;
    for (const DriveMap::Drive &d : m_map.drives()) {
        DriveInfo info;
        info.letter = d.letter;
        info.hostPath = d.hostPath;
        info.type = d.type ? *d.type : detectType(d.hostPath);
        result.append(info);
    }
    return result;
}

std::optional<qint64> SystemDrives::freeBytes(QChar letter) const
{
    const DriveMap::Drive *d = m_map.drive(letter);
    if (!d || !QFileInfo(d->hostPath).isDir())
        return std::nullopt;
    QStorageInfo storage(d->hostPath);
    if (!storage.isValid() || !storage.isReady())
        return std::nullopt;
    return storage.bytesAvailable();
}

DriveType SystemDrives::detectType(const QString &hostPath)
{
    QStorageInfo storage(hostPath);
    if (!storage.isValid())
        return DriveType::Unknown;
    const QString device = QString::fromLocal8Bit(storage.device());
    const QString name = QFileInfo(device).fileName();
    const QString sysfs =
        name.isEmpty() ? QString() : QFileInfo(u"/sys/class/block/"_s + name).canonicalFilePath();
    return classify(device, QString::fromLatin1(storage.fileSystemType()), sysfs);
}

DriveType SystemDrives::classify(const QString &device, const QString &fileSystemType,
                                 const QString &sysfsDir)
{
    const QString fs = fileSystemType.toLower();
    const QString name = QFileInfo(device).fileName();
    if (fs == u"iso9660" || fs == u"udf" || name.startsWith(u"sr"))
        return DriveType::CdRom;
    if (!sysfsDir.isEmpty()) {
        if (sysfsDir.contains(u"/usb"))
            return DriveType::Removable;
        // A partition's own folder has no "removable"; its disk's folder does.
        for (const QString &dir : {sysfsDir, QFileInfo(sysfsDir).path()}) {
            QFile flag(dir + u"/removable"_s);
            if (flag.open(QIODevice::ReadOnly))
                return flag.readAll().trimmed() == "1" ? DriveType::Removable : DriveType::Fixed;
        }
    }
    return DriveType::Fixed;
}
