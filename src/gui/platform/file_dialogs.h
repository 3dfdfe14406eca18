#pragma once

#include <QString>

// The modal open-file dialog.
class FileDialogs
{
public:
    virtual ~FileDialogs();

    // Asks for one existing file. directory is where the dialog starts (empty: the
    // current folder); filter is in Qt's form, "Pictures (*.jpg *.bmp);;All files (*)",
    // empty for all files. Returns the chosen host path, or an empty string when the
    // user cancelled.
    virtual QString openFile(const QString &title, const QString &directory,
                             const QString &filter) = 0;
};
