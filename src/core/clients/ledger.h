#pragma once

#include "core/clients/client_register.h"
#include "core/foundation/file_result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

class RecordFile;

// A client's billing ledger "PACC.txt" in the client's folder: records of
// five texts. Record 0 is the balance (recomputed whenever the ledger is
// read or changed), record 1 the total payable, records 2, 3, ... the
// payments.

// One record of the ledger.
struct LedgerRow {
    QString currency;
    QString amount; // two decimals, e.g. 1200.00
    QString date;   // yyyy-mm-dd
    QString note;
    QString fifth; // not shown; written back as it was read

    bool operator==(const LedgerRow &) const = default;
};

// The ledger in memory: rows 0..10000.
//
// The rows end at the first record after the balance whose amount is empty.
// That record and everything after it (and the records beyond row 10000)
// are kept as the bytes they were read from and written back after the rows,
// so that saving never loses a record the table does not hold.
class LedgerTable
{
public:
    static constexpr int Capacity = 10001;

    QList<LedgerRow> rows;
    QByteArray rest;

    // The number of the last row in use; -1 for an empty ledger.
    int last() const { return int(rows.size()) - 1; }
    bool isFull() const { return rows.size() >= Capacity; }
    bool hasTotal() const { return rows.size() > 1 && !rows[1].amount.isEmpty(); }

    // False when the file is there but could not be read: then the table is
    // empty and nothing may overwrite the file from it.
    bool mayRewrite() const { return loadError.ok(); }
    FileResult loadError;
};

// The numeric value of an amount as the ledger adds it up: blanks, an
// optional sign, digits with an optional fraction; whatever follows is
// ignored, and a text without digits is 0.
double amountValue(QStringView amount);

// Row 0 becomes the balance: row 1's amount minus the payments (rows 2 and
// later), with two decimals. Nothing happens to an empty ledger.
void computeBalance(LedgerTable &table);

// What PACCLoad read, and the message to show (a file that could not be read
// or created, or more records than the table holds).
struct LedgerLoad {
    LedgerTable table;
    std::optional<ClientNotice> notice;
};

// PACCLoad: the ledger at `ledgerPath` (an empty path gives an empty table),
// with its balance computed. A missing file is created empty.
LedgerLoad PACCLoad(const RecordFile &files, const QString &ledgerPath);
// The same from the file's bytes.
LedgerLoad PACCLoad(const QByteArray &bytes);

// One row of the list DisplayPACC shows.
struct LedgerListRow {
    QString item; // "应付余额", "应付总额" or "已付款"
    QString currency;
    QString amount; // a payment's padded with blanks on the left to 17 characters
    QString date;
    QString note;

    bool operator==(const LedgerListRow &) const = default;
};

// DisplayPACC: the list rows of rows 0..last.
QList<LedgerListRow> DisplayPACC(const LedgerTable &table);

// SavePACC: replaces the ledger file atomically by rows 0, 1, ... up to the
// first row with an empty amount, five texts each, followed by the bytes
// kept beyond the rows. On failure the old file stays as it was.
FileResult SavePACC(const RecordFile &files, const QString &ledgerPath, const LedgerTable &table);

// The message for a ledger that could not be stored.
ClientNotice ledgerWriteFailedNotice(const FileResult &result);

// "c:\program files\quorix\currencies.txt".
QString currenciesPath();
// The currencies of "currencies.txt", one text per record, the default
// first. Without the file (or with none in it) the list is "人民币" alone.
QStringList loadCurrencies(const RecordFile &files);

// The key filter of the amount and date fields: keys are signed 16-bit GBK
// codes; Backspace stays, the full-width digits, point, minus and plus of a
// double-byte input method become ASCII, anything else gives 0 (discarded).
int FullWidthKey(int key);
// The key code of a typed character: its ASCII code, or its two GBK bytes
// read as a signed 16-bit number; 0 for a character GBK writes otherwise.
int gbkKeyCode(QChar c);
// What typing `text` into an amount or date field enters: digits and "."
// as they are, every other character through FullWidthKey.
QString filterAmountKeys(QStringView text);

// Enter in an amount field: exactly two decimals (12.5 -> 12.50, 7 -> 7.00;
// further decimals are cut off), an empty text for a value of 0 or a blank
// field, nullopt for text that is no number.
std::optional<QString> formatAmountEntry(QStringView text);
// Enter in a date field: year "-" two-digit month "-" two-digit day of the
// date typed (2026-3-5, 2026.3.5, 2026/3/5, 20260305, a month and day of
// `currentYear` ...); nullopt for text that is no date.
std::optional<QString> formatDateEntry(QStringView text, int currentYear);

// What an entry of the total or of a payment did to the table.
enum class LedgerEntryError {
    None,
    NoAmount,  // the amount is blank or 0
    BadAmount, // the amount is no number
    BadDate,   // the date is neither blank nor a date
    NoTotal,   // a payment before the ledger has a total
    Full,      // no row is left for another payment
};

// The three entry fields of a row.
struct LedgerEntry {
    QString amount;
    QString date;
    QString note;
};

// RefreshPAccount: every row's currency becomes `currency`, row 1's amount,
// date and note become the total's (made as Enter makes them), and the
// balance is computed. An empty ledger gets its balance and total rows.
// On an error the table is left as it was.
LedgerEntryError RefreshPAccount(LedgerTable &table, const QString &currency,
                                 const LedgerEntry &total, int currentYear);

// A payment: appended as a new row, or put in place of payment row
// `replaceRow` (2..last), then the balance is computed. On an error the
// table is left as it was.
LedgerEntryError enterPayment(LedgerTable &table, const QString &currency,
                              const LedgerEntry &payment, std::optional<int> replaceRow,
                              int currentYear);

// The message for NoTotal and Full (the others are shown at their field).
ClientNotice ledgerEntryNotice(LedgerEntryError error);
