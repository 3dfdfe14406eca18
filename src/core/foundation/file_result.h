#pragma once

#include <QString>

// What a file operation did. Operations never show anything: they return this
// and the caller decides what the user is told.
struct FileResult {
    enum class Error {
        None,
        NotFound,      // the file or folder does not exist
        UnknownDrive,  // a path on a drive letter that stands for no folder
        ReadFailed,    // it exists but could not be read
        WriteFailed,   // could not be created, written or replaced (read-only, disk full ...)
        NotADirectory, // a folder was expected
    };

    Error error = Error::None;
    QString path;   // the host path concerned
    QString detail; // the system's own words, when it gave any

    bool ok() const { return error == Error::None; }
    explicit operator bool() const { return ok(); }

    static FileResult success() { return {}; }
    static FileResult failure(Error error, QString path, QString detail = {});

    // One line for a person: what failed, where, and why.
    QString message() const;
};
