#include "support/fake_drives.h"

void FakeDrives::add(QChar letter, const QString &hostPath, DriveType type, qint64 freeBytes)
{
    drives.append({letter.toLower(), hostPath, type});
    if (freeBytes >= 0)
        free.insert(letter.toLower(), freeBytes);
}

std::optional<qint64> FakeDrives::freeBytes(QChar letter) const
{
    freeAsked.append(letter.toLower());
    const auto it = free.constFind(letter.toLower());
    if (it == free.constEnd())
        return std::nullopt;
    return *it;
}
