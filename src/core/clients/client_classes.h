#pragma once

#include "core/clients/client_register.h"
#include "core/clients/client_search.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

class RecordFile;

// The captions of the ten category buttons of the client archive, "1.企业"
// to "10.全部".
QStringList clientCategoryCaptions();

// CurCategoryName of category button `number` (1..10) with this caption:
// the caption after its first two characters, trimmed; "其他" for button 10.
QString curCategoryNameOf(int number, QStringView caption);

// CustClass: the captions of buttons 1..8 from "class.txt" in the module's
// data folder (for example "c:\program files\quorix\clients\"): record k
// gives caption k, as it stands when it begins with k and a point, else
// with them put before it. One caption per record present, at most eight;
// buttons without a record (and buttons 9 and 10) keep their captions. No
// file gives no captions.
QStringList CustClass(const RecordFile &files, const QString &moduleDir);

struct ClientClassResult {
    int moved = 0; // register rows given the new category
    bool written = false;
    std::optional<ClientNotice> notice; // the register could not be written
};

// ClientClass: moves the client of the selected list row into
// CurCategoryName, while the pane holds a record (a blank pane does
// nothing). Every register row whose name equals the row text, trimmed,
// gets the category, in "clients.txt" (rewritten with the kept bytes beyond
// the register) and in `reg`; so does every ListBuffer row among the first
// RelevantRecords of that name. Nothing changes when the file cannot be
// written.
ClientClassResult ClientClass(const RecordFile &files, ClientReg &reg,
                              QList<ClientListRow> &ListBuffer, int RelevantRecords,
                              QStringView paneText, QStringView selectedRowText,
                              const QString &CurCategoryName);
