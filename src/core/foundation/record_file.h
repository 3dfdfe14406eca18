#pragma once

#include "core/foundation/drive_map.h"
#include "core/foundation/file_result.h"
#include "core/foundation/record_reader.h"
#include "core/foundation/record_writer.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <optional>

class QFile;

// A file's bytes mapped into memory for reading, without a copy: for large
// files read once from start to end, so that no buffer of their size is
// made (a file system that cannot map gets its bytes read instead). The
// bytes stay valid while the object lives.
class MappedFile
{
public:
    MappedFile();
    ~MappedFile();
    MappedFile(MappedFile &&) noexcept;
    MappedFile &operator=(MappedFile &&) noexcept;

    QByteArrayView bytes() const { return m_bytes; }
    // The bytes as a QByteArray that does not own them (no copy): it must
    // not outlive this object; copies taken of parts of it are independent.
    QByteArray rawData() const { return QByteArray::fromRawData(m_bytes.data(), m_bytes.size()); }

private:
    friend class RecordFile;
    std::unique_ptr<QFile> m_file;
    QByteArray m_read; // the bytes, when the file could not be mapped
    QByteArrayView m_bytes;
};

// The file operations of the system, on its own paths
// (c:\program files\quorix\clients\clients.txt) or on host paths, resolved
// through a DriveMap.
// Reading takes the whole file at once; writing collects records and puts
// them into the file on commit (see RecordWriter).
class RecordFile
{
public:
    explicit RecordFile(const DriveMap &drives)
        : m_drives(drives)
    {}

    const DriveMap &drives() const { return m_drives; }
    QString hostPath(const QString &path) const { return m_drives.resolve(path); }

    // A file (not a folder) of that name exists, letter case aside.
    bool exists(const QString &path) const;
    bool directoryExists(const QString &path) const;

    // Opens for reading; nullopt with the reason in *result when the file is
    // missing or unreadable.
    std::optional<RecordReader> openForReading(const QString &path,
                                               FileResult *result = nullptr) const;
    // Writing replaces the file's content on commit; appending adds to its end
    // (creating it when missing).
    RecordWriter openForWriting(const QString &path) const;
    RecordWriter openForAppending(const QString &path) const;

    // The whole file's bytes.
    std::optional<QByteArray> readAll(const QString &path, FileResult *result = nullptr) const;
    // The whole file's bytes mapped into memory; nullopt with the reason in
    // *result when the file is missing or cannot be read.
    std::optional<MappedFile> map(const QString &path, FileResult *result = nullptr) const;
    // The whole file's bytes into the buffer, which keeps its capacity from
    // call to call; false (the buffer emptied) when the file cannot be read.
    bool readInto(const QString &path, QByteArray &buffer, FileResult *result = nullptr) const;

    // Creates the folder and any missing parents; fine when it exists.
    FileResult makeDirectory(const QString &path) const;
    // Copies a file, replacing one of the same name.
    FileResult copyFile(const QString &from, const QString &to) const;
    FileResult deleteFile(const QString &path) const;
    // Moves a file to the desktop's trash, so that it can be got back; where
    // the system has no trash for it, deletes it.
    FileResult discardFile(const QString &path) const;
    // The same for a folder with everything in it.
    FileResult discardTree(const QString &path) const;
    // Removes an empty folder.
    FileResult deleteDirectory(const QString &path) const;

    // Names of the files (not folders) in a folder, sorted; empty if none.
    QStringList listFiles(const QString &folder) const;
    // Names of the folders in a folder, sorted.
    QStringList listDirectories(const QString &folder) const;
    // Copies a folder with everything in it, replacing files of the same
    // name and keeping the others. Symbolic links are not followed.
    FileResult copyTree(const QString &from, const QString &to) const;
    // Removes a folder with everything in it.
    FileResult deleteTree(const QString &path) const;
    // Bytes of all files under a folder (symbolic links not followed).
    qint64 treeSize(const QString &path) const;

private:
    FileResult resolveFor(const QString &path, QString *host) const;

    const DriveMap &m_drives;
};
