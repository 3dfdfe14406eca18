#pragma once

#include "core/foundation/drives.h"

#include <QHash>

// Drives answered from a script: the list as set, free space per drive
// (unset: unknown). Records which drives were asked for their free space.
class FakeDrives : public Drives
{
public:
    QList<DriveInfo> drives;
    QHash<QChar, qint64> free;
    mutable QList<QChar> freeAsked;

    void add(QChar letter, const QString &hostPath, DriveType type, qint64 freeBytes = -1);

    QList<DriveInfo> list() const override { return drives; }
    std::optional<qint64> freeBytes(QChar letter) const override;
};
