#pragma once

#include "core/foundation/file_result.h"

#include <QString>

#include <functional>

// Ways to make file writes fail for real, for tests of what a failed write
// leaves behind.

// Runs `write` while no file may grow beyond `bytes`, as on a full disk:
// a write past the limit fails.
FileResult withFileSizeLimit(qint64 bytes, const std::function<FileResult()> &write);

// Runs `write` with `folder` read-only. The superuser may write anywhere, so
// then the write runs in a child process under an unprivileged user; its
// result comes back as the error kind only.
FileResult inReadOnlyFolder(const QString &folder, const std::function<FileResult()> &write);
