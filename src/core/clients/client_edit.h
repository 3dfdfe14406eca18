#pragma once

#include "core/clients/client_register.h"

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

class RecordFile;

// The editing of a client record in the pane, as logic: the window keeps
// these values between key presses and calls the operations below.

// The name picked from the pane's first line and whether it has been
// matched to a stored client.
struct NamePick {
    QString PickedName;
    QString NameFound; // "0", "1" or "" (empty)
    QString PrevName;  // the name picked at the previous Enter, or the row last clicked
};

// NamePickUp: PickedName = the first line of ASC34Check(pane text) (the
// text before the first CR when one stands after the first character, else
// the whole text), trimmed. Returns true when the name differs from
// PrevName ignoring case: NameFound is then "0" and the caller sets
// NameState to 1. PrevName becomes the name.
bool NamePickUp(QStringView paneText, NamePick &pick, int &QuoteToggle);

struct NameSearchResult {
    // A stored client of the picked name: put `text` into the pane, caret at
    // its end, and set NameState to 2. NameFound is then "1".
    bool found = false;
    QString text;
    // Set when "clients.txt" was missing and has been created empty.
    bool registerCreated = false;
    FileResult created;
};

// NameSearch: only while NameFound is "0" or "": the first row whose name
// equals PickedName ignoring case, when NameState is 1. Creates an empty
// "clients.txt" when there is none.
NameSearchResult NameSearch(const RecordFile &files, const ClientReg &reg, NamePick &pick,
                            int NameState);

// EditRecord: the four fields of the record being edited.
using EditRecord = ClientRecord;

// The timestamp form: yyyy-mm-dd hh:mm:ss, a two-digit hour.
QString clientTimestamp(const QDateTime &now);

// The category of a record staged under CurCategoryName: "其他" while
// "10.全部" is selected (a name beginning with "10"), else the name.
QString stagedCategory(QStringView CurCategoryName);

// The staging of Enter in the pane, after NamePickUp and NameSearch: the
// validated name, the timestamp of `now`, the category, and the pane text
// through ASC34Check (the toggle carries over from NamePickUp).
EditRecord stageEditRecord(const QString &validName, QStringView paneText,
                           QStringView CurCategoryName, const QDateTime &now, int &QuoteToggle);

struct SaveEditResult {
    enum class Outcome {
        Replaced,     // the register's row of that name was rewritten in place
        Appended,     // a new record after the register's rows
        NoName,       // the name is empty (the warning, if any, is in notice)
        NoSecondLine, // the text has no line after the name: a record needs one
        NotWritten,   // the register could not be read at load, or the write failed (notice)
    };
    Outcome outcome = Outcome::NoName;
    EditRecord record; // as stored (name validated, first line replaced)
    // Appended while the register held 10000 rows: the record is in the file
    // after them, and the next LoadClients gives the limit message.
    bool beyondRegister = false;
    std::optional<ClientNotice> notice;
    FileResult folder; // making the client's folder (failures are no error of the save)

    bool saved() const { return outcome == Outcome::Replaced || outcome == Outcome::Appended; }
};

// SaveEdit: stores the record into "clients.txt" and creates the client's
// folder. The name goes through ValidFileName; the text must hold a CR after
// its first character; the text becomes the name, CR LF and the text after
// the first line break without surrounding spaces. The file is rewritten
// from the register: the row whose name equals the record's name exactly
// (letter case counts) is replaced, else the record follows the rows; the
// bytes kept beyond the register follow. The register itself is not
// changed: the caller reloads it with LoadClients.
SaveEditResult SaveEdit(const RecordFile &files, const ClientReg &reg, EditRecord record);
