#pragma once

#include "core/foundation/file_result.h"

#include <QByteArrayView>
#include <QString>

// Whole-file writes that never leave a half-written file behind.
namespace AtomicFile {

// Replaces (or creates) the file with exactly these bytes: they go to a
// temporary file beside it, are flushed to disk, and the temporary file is
// renamed over the old one. On any failure the old file is left as it was.
FileResult replace(const QString &hostPath, QByteArrayView bytes);

// Adds the bytes at the end of the file, creating it when missing. When the
// write fails part way, the file is cut back to its old length.
FileResult append(const QString &hostPath, QByteArrayView bytes);

// Copies a file over another (or to a new name) through replace().
FileResult copy(const QString &fromHostPath, const QString &toHostPath);

} // namespace AtomicFile
