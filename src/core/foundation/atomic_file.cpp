#include "core/foundation/atomic_file.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

namespace AtomicFile {

namespace {

constexpr qint64 CopyChunk = 1 << 20;

bool writeAll(QFileDevice &file, QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return file.flush();
}

} // namespace

FileResult replace(const QString &hostPath, QByteArrayView bytes)
{
    QSaveFile file(hostPath);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return FileResult::failure(FileResult::Error::WriteFailed, hostPath, file.errorString());
    if (!writeAll(file, bytes)) {
        const QString why = file.errorString();
        file.cancelWriting();
        return FileResult::failure(FileResult::Error::WriteFailed, hostPath, why);
    }
    if (!file.commit())
        return FileResult::failure(FileResult::Error::WriteFailed, hostPath, file.errorString());
    return FileResult::success();
}

FileResult append(const QString &hostPath, QByteArrayView bytes)
{
    QFile file(hostPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return FileResult::failure(FileResult::Error::WriteFailed, hostPath, file.errorString());
    const qint64 oldSize = file.size();
    if (!writeAll(file, bytes) || ::fsync(file.handle()) != 0) {
        const QString why = file.errorString();
        file.resize(oldSize);
        return FileResult::failure(FileResult::Error::WriteFailed, hostPath, why);
    }
    return FileResult::success();
}

FileResult copy(const QString &fromHostPath, const QString &toHostPath)
{
    QFile from(fromHostPath);
    if (!from.exists())
        return FileResult::failure(FileResult::Error::NotFound, fromHostPath);
    if (!from.open(QIODevice::ReadOnly))
        return FileResult::failure(FileResult::Error::ReadFailed, fromHostPath, from.errorString());

    QSaveFile to(toHostPath);
    to.setDirectWriteFallback(false);
    if (!to.open(QIODevice::WriteOnly))
        return FileResult::failure(FileResult::Error::WriteFailed, toHostPath, to.errorString());
    QByteArray chunk;
    while (!from.atEnd()) {
        chunk = from.read(CopyChunk);
        if (chunk.isEmpty() && from.error() != QFileDevice::NoError) {
            const QString why = from.errorString();
            to.cancelWriting();
            return FileResult::failure(FileResult::Error::ReadFailed, fromHostPath, why);
        }
        if (!writeAll(to, chunk)) {
            const QString why = to.errorString();
            to.cancelWriting();
            return FileResult::failure(FileResult::Error::WriteFailed, toHostPath, why);
        }
    }
    if (!to.commit())
        return FileResult::failure(FileResult::Error::WriteFailed, toHostPath, to.errorString());

    // The copy keeps the original's time of last change, as a file copy does.
    QFile copied(toHostPath);
    if (copied.open(QIODevice::ReadWrite))
        copied.setFileTime(QFileInfo(from).lastModified(), QFileDevice::FileModificationTime);
    return FileResult::success();
}

} // namespace AtomicFile
