#pragma once

#include "core/clients/client_register.h"

#include <QString>
#include <QStringView>

#include <optional>

class RecordFile;

// A client's name is also the name of its folder.

// The nine characters no folder name may hold: " * / : < > ? \ |
bool isForbiddenNameCharacter(QChar c);

// What ValidFileName made of a first line.
struct ValidName {
    QString name;
    // Set when the line is not empty but nothing usable is left of it: only
    // forbidden characters, or only dots and blanks. The window then clears
    // the pane and gives it the focus; the name is empty.
    std::optional<ClientNotice> warning;
};

// ValidFileName: the text without the nine forbidden characters (full-width
// look-alikes stay). An empty text gives an empty name without a warning.
ValidName ValidFileName(QStringView text);

// The warning of a first line with nothing usable: "首行禁用字符包括：" ...,
// title "警告!", warning icon.
ClientNotice forbiddenFirstLineNotice();

// ASC34Check: every ASCII double quote replaced by “ when QuoteToggle is 0
// (which sets it to 1), else by ” (which sets it to 0). The toggle carries
// over from call to call.
QString ASC34Check(QStringView text, int &QuoteToggle);

// True when the name, put after the clients folder, names one folder
// directly inside it: not empty, not made only of dots and blanks (".",
// ".." ...), without a path separator ("\", "/") or a NUL character, and
// none of the files the clients folder holds itself ("clients.txt",
// "remind.txt", "class.txt", letter case aside).
// Every path of a client's folder is made through clientFolderPath, so a
// name from the register or a backup that fails this never reaches the
// file system.
bool isClientFolderName(QStringView name);

// "c:\program files\quorix\clients\" + name, or nullopt for a name that is
// no folder name (see isClientFolderName).
std::optional<QString> clientFolderPath(QStringView name);

// The client's billing ledger, clientFolderPath + "\PACC.txt" (LedgerPath),
// or nullopt for a name that is no folder name.
std::optional<QString> clientLedgerPath(QStringView name);

// Creates the client's folder; a folder already there is fine. A name that
// is no folder name is refused (WriteFailed) without touching the disk.
FileResult makeClientFolder(const RecordFile &files, QStringView name);
