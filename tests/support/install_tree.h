#pragma once

#include "core/foundation/drive_map.h"
#include "core/foundation/record_file.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

// A throw-away install tree: a temporary folder standing for drive c:, with
// the install folder with its module folders (clients, lawbase, YellowPage)
// and the law content folder created empty. Data files
// are written in code page 936 through the system's own record writer.
class InstallTree
{
public:
    InstallTree();

    const DriveMap &drives() const { return m_drives; }
    RecordFile files() const { return RecordFile(m_drives); }
    QString root() const { return m_drives.systemRoot(); }
    QString hostPath(const QString &path) const { return m_drives.resolve(path); }

    // "c:\program files\quorix\" + relative.
    static QString install(const QString &relative);

    // Writes the records to the file (parent folders created); fails the test on error.
    void writeRecords(const QString &path, const QList<Record> &records) const;
    void writeBytes(const QString &path, const QByteArray &bytes) const;
    QByteArray readBytes(const QString &path) const;
    // Every file under the root with its bytes, by its path below the root:
    // equal snapshots mean nothing was written.
    QMap<QString, QByteArray> snapshot() const;

    // Maps another drive letter to a new folder of the tree; returns its host path.
    QString addDrive(QChar letter, std::optional<DriveType> type = DriveType::Removable);

private:
    QTemporaryDir m_dir;
    DriveMap m_drives;
};
