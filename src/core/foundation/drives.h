#pragma once

#include "core/foundation/drive_map.h"

#include <QList>
#include <QString>

#include <optional>

struct DriveInfo {
    QChar letter; // lower case
    QString hostPath;
    DriveType type = DriveType::Unknown;

    // "c:", as the drive list shows it.
    QString name() const { return QString(letter) + u':'; }
};

// The drives the system can back up to and restore from, with their types
// and free space.
class Drives
{
public:
    virtual ~Drives() = default;
    virtual QList<DriveInfo> list() const = 0;
    // Free bytes on the drive, or nullopt when it cannot be told (no such
    // drive, folder missing, volume gone).
    virtual std::optional<qint64> freeBytes(QChar letter) const = 0;

    std::optional<DriveInfo> find(QChar letter) const;
};

// The drives of a DriveMap as the host system sees them: a type given in the
// map is taken as given, otherwise it comes from the mounted volume (optical
// file systems and sr devices are CD-ROM, devices the kernel marks removable
// or that sit on a USB bus are removable, the rest fixed).
class SystemDrives : public Drives
{
public:
    explicit SystemDrives(const DriveMap &map)
        : m_map(map)
    {}
    QList<DriveInfo> list() const override;
    std::optional<qint64> freeBytes(QChar letter) const override;

    static DriveType detectType(const QString &hostPath);
    // Classifies a block device and file system, e.g. ("/dev/sr0", "iso9660").
    static DriveType classify(const QString &device, const QString &fileSystemType,
                              const QString &sysfsDir);

private:
    const DriveMap &m_map;
};
