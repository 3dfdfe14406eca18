#include "core/foundation/record_file.h"

#include "core/foundation/atomic_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>

#include <algorithm>

namespace {

constexpr auto EntryFilter = QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

QStringList sortedEntries(const QString &host, QDir::Filters kinds)
{
    QStringList names = QDir(host).entryList(kinds | EntryFilter, QDir::NoSort);
    std::sort(names.begin(), names.end());
    return names;
}

FileResult copyTreeHost(const QString &from, const QString &to)
{
    const QFileInfo source(from);
    if (!source.isDir())
        return FileResult::failure(FileResult::Error::NotFound, from);
    if (!QDir().mkpath(to))
        return FileResult::failure(FileResult::Error::WriteFailed, to);
    const QDir dir(from);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | EntryFilter, QDir::Name | QDir::DirsFirst);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink())
            continue;
        const QString target = to + u'/' + entry.fileName();
        FileResult r = entry.isDir() ? copyTreeHost(entry.filePath(), target)
                                     : AtomicFile::copy(entry.filePath(), target);
        if (!r)
            return r;
    }
    return FileResult::success();
}

} // namespace

FileResult RecordFile::resolveFor(const QString &path, QString *host) const
{
    *host = m_drives.resolve(path);
    if (host->isEmpty())
        return FileResult::failure(FileResult::Error::UnknownDrive, path);
    return FileResult::success();
}

bool RecordFile::exists(const QString &path) const
{
    const QString host = hostPath(path);
    return !host.isEmpty() && QFileInfo(host).isFile();
}

bool RecordFile::directoryExists(const QString &path) const
{
    const QString host = hostPath(path);
    return !host.isEmpty() && QFileInfo(host).isDir();
}

std::optional<QByteArray> RecordFile::readAll(const QString &path, FileResult *result) const
{
    QString host;
    FileResult r = resolveFor(path, &host);
    std::optional<QByteArray> bytes;
    if (r) {
        QFile file(host);
        if (!QFileInfo(host).isFile())
            r = FileResult::failure(FileResult::Error::NotFound, host);
        else if (!file.open(QIODevice::ReadOnly))
            r = FileResult::failure(FileResult::Error::ReadFailed, host, file.errorString());
        else {
            bytes = file.readAll();
            if (file.error() != QFileDevice::NoError) {
                r = FileResult::failure(FileResult::Error::ReadFailed, host, file.errorString());
                bytes.reset();
            }
        }
    }
    if (result)
        *result = r;
    return bytes;
}

MappedFile::MappedFile() = default;
MappedFile::~MappedFile() = default;
MappedFile::MappedFile(MappedFile &&) noexcept = default;
MappedFile &MappedFile::operator=(MappedFile &&) noexcept = default;

std::optional<MappedFile> RecordFile::map(const QString &path, FileResult *result) const
{
    QString host;
    FileResult r = resolveFor(path, &host);
    std::optional<MappedFile> mapped;
    if (r) {
        auto file = std::make_unique<QFile>(host);
        if (!QFileInfo(host).isFile()) {
            r = FileResult::failure(FileResult::Error::NotFound, host);
        } else if (!file->open(QIODevice::ReadOnly)) {
            r = FileResult::failure(FileResult::Error::ReadFailed, host, file->errorString());
        } else {
            mapped.emplace();
            const qint64 size = file->size();
            // An empty file has nothing to map.
            if (size > 0) {
                if (const uchar *data = file->map(0, size)) {
                    mapped->m_bytes =
                        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size));
                } else {
                    file->unsetError();
                    mapped->m_read = file->readAll();
                    if (file->error() != QFileDevice::NoError) {
                        r = FileResult::failure(FileResult::Error::ReadFailed, host,
                                                file->errorString());
                        mapped.reset();
                    } else {
                        mapped->m_bytes = mapped->m_read;
                    }
                }
            }
            if (mapped)
                mapped->m_file = std::move(file);
        }
    }
    if (result)
        *result = r;
    return mapped;
}

bool RecordFile::readInto(const QString &path, QByteArray &buffer, FileResult *result) const
{
    QString host;
    FileResult r = resolveFor(path, &host);
    buffer.resize(0); // keeps the capacity
    if (r) {
        QFile file(host);
        if (!QFileInfo(host).isFile()) {
            r = FileResult::failure(FileResult::Error::NotFound, host);
        } else if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            r = FileResult::failure(FileResult::Error::ReadFailed, host, file.errorString());
        } else {
            const qint64 size = file.size();
            buffer.resize(size);
            qint64 got = 0;
            while (got < size) {
                const qint64 n = file.read(buffer.data() + got, size - got);
                if (n <= 0)
                    break;
                got += n;
            }
            if (got != size || file.error() != QFileDevice::NoError) {
                r = FileResult::failure(FileResult::Error::ReadFailed, host, file.errorString());
                buffer.resize(0);
            }
        }
    }
    if (result)
        *result = r;
    return bool(r);
}

std::optional<RecordReader> RecordFile::openForReading(const QString &path,
                                                       FileResult *result) const
{
    auto bytes = readAll(path, result);
    if (!bytes)
        return std::nullopt;
    return RecordReader(std::move(*bytes));
}

RecordWriter RecordFile::openForWriting(const QString &path) const
{
    return RecordWriter(hostPath(path), RecordWriter::Mode::Replace);
}

RecordWriter RecordFile::openForAppending(const QString &path) const
{
    return RecordWriter(hostPath(path), RecordWriter::Mode::Append);
}

FileResult RecordFile::makeDirectory(const QString &path) const
{
    QString host;
    if (FileResult r = resolveFor(path, &host); !r)
        return r;
    if (QFileInfo(host).isDir())
        return FileResult::success();
    if (!QDir().mkpath(host))
        return FileResult::failure(FileResult::Error::WriteFailed, host);
    return FileResult::success();
}

namespace {

// Whether the desktop's trash in the user's data folder can take this path:
// it takes what lies on its own volume only (no trash folder is made on
// other volumes).
bool trashTakes(const QString &host)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    struct stat fileStat {
    }, dataStat{};
    return !data.isEmpty() && ::stat(QFile::encodeName(host).constData(), &fileStat) == 0 &&
           ::stat(QFile::encodeName(data).constData(), &dataStat) == 0 &&
           fileStat.st_dev == dataStat.st_dev;
}

} // namespace

FileResult RecordFile::discardFile(const QString &path) const
{
    QString host;
    if (FileResult r = resolveFor(path, &host); !r)
        return r;
    if (!QFileInfo(host).isFile())
        return FileResult::failure(FileResult::Error::NotFound, host);
    if (trashTakes(host) && QFile::moveToTrash(host))
        return FileResult::success();
    return deleteFile(path);
}

FileResult RecordFile::discardTree(const QString &path) const
{
    QString host;
    if (FileResult r = resolveFor(path, &host); !r)
        return r;
    if (!QFileInfo(host).isDir())
        return FileResult::failure(FileResult::Error::NotFound, host);
    if (trashTakes(host) && QFile::moveToTrash(host))
        return FileResult::success();
    return deleteTree(path);
}

FileResult RecordFile::copyFile(const QString &from, const QString &to) const
{
    QString hostFrom;
    QString hostTo;
    if (FileResult r = resolveFor(from, &hostFrom); !r)
        return r;
    if (FileResult r = resolveFor(to, &hostTo); !r)
        return r;
    if (!QFileInfo(hostFrom).isFile())
        return FileResult::failure(FileResult::Error::NotFound, hostFrom);
    return AtomicFile::copy(hostFrom, hostTo);
}

FileResult RecordFile::deleteFile(const QString &path) const
{
    QString host;
    if (FileResult r = resolveFor(path, &host); !r)
        return r;
    QFile file(host);
    if (!QFileInfo(host).isFile())
        return FileResult::failure(FileResult::Error::NotFound, host);
    if (!file.remove())
        return FileResult::failure(FileResult::Error::WriteFailed, host, file.errorString());
    return FileResult::success();
}

FileResult RecordFile::deleteDirectory(const QString &path) const
{
    QString host;
    if (FileResult r = resolveFor(path, &host); !r)
        return r;
    if (!QFileInfo(host).isDir())
        return FileResult::failure(FileResult::Error::NotFound, host);
    if (!QDir().rmdir(host))
        return FileResult::failure(FileResult::Error::WriteFailed, host);
    return FileResult::success();
}

QStringList RecordFile::listFiles(const QString &folder) const
{
    const QString host = hostPath(folder);
    return host.isEmpty() ? QStringList() : sortedEntries(host, QDir::Files);
}

QStringList RecordFile::listDirectories(const QString &folder) const
{
    const QString host = hostPath(folder);
    return host.isEmpty() ? QStringList() : sortedEntries(host, QDir::Dirs);
}

FileResult RecordFile::copyTree(const QString &from, const QString &to) const
{
    QString hostFrom;
    QString hostTo;
    if (FileResult r = resolveFor(from, &hostFrom); !r)
        return r;
    if (FileResult r = resolveFor(to, &hostTo); !r)
        return r;
    const QString a = QDir::cleanPath(QFileInfo(hostFrom).absoluteFilePath());
    const QString b = QDir::cleanPath(QFileInfo(hostTo).absoluteFilePath());
    if (b == a || b.startsWith(a + u'/'))
        return FileResult::failure(FileResult::Error::WriteFailed, hostTo);
    return copyTreeHost(hostFrom, hostTo);
}

FileResult RecordFile::deleteTree(const QString &path) const
{
    QString host;
    if (FileResult r = resolveFor(path, &host); !r)
        return r;
    const QFileInfo info(host);
    if (!info.exists() && !info.isSymLink())
        return FileResult::failure(FileResult::Error::NotFound, host);
    if (!info.isDir() || info.isSymLink())
        return FileResult::failure(FileResult::Error::NotADirectory, host);
    if (!QDir(host).removeRecursively())
        return FileResult::failure(FileResult::Error::WriteFailed, host);
    return FileResult::success();
}

qint64 RecordFile::treeSize(const QString &path) const
{
    const QString host = hostPath(path);
    if (host.isEmpty() || !QFileInfo(host).isDir())
        return 0;
    qint64 total = 0;
    QDirIterator it(host, QDir::Files | EntryFilter, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (!info.isSymLink())
            total += info.size();
    }
    return total;
}
