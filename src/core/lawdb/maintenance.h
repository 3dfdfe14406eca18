#pragma once

#include "core/foundation/file_result.h"
#include "core/foundation/record_value.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

class RecordFile;
struct LawTables;
struct YearIndexEntry;

// The upkeep tools of the law database: the duplicate rows of the law list
// (Command1, "重复记录存档"), the index records whose issuing body, validity
// or text is missing (Command2, "内容丢失查验"), and the list of the year
// index (Form2). The reports are in the law module's folder and are only
// ever appended to.

// "c:\program files\quorix\lawbase\" + name.
QString lawbaseFile(QStringView name);

inline constexpr char16_t RedandentRecordsName[] = u"RedandentRecords.txt";
inline constexpr char16_t MissingOrgName[] = u"MissingOrg.txt";
inline constexpr char16_t MissingValidName[] = u"MissingValid.txt";
inline constexpr char16_t MissingContentName[] = u"MissingContent.txt";

// ---- Command1: duplicate rows ----------------------------------------------

// An entry of RedandentRecords.txt: the running number left-aligned in 5
// characters, then the row text. (A number of more than 5 digits is written
// whole.)
QString redundantEntry(int runningNumber, QStringView row);

// The rule of Command1 for the rows of one page in their displayed order:
// wherever a row equals the row below it, and no entry (existing or added by
// this call) holds that row after its first 5 characters, the running number
// goes up by 1 and a new entry is added. Stops at the first empty row. Three
// equal rows in a row give one entry. Returns the new entries in order.
QStringList duplicateEntries(const QStringList &rows, const QStringList &existingEntries,
                             int &runningNumber);

// The pages of a result buffer as the law list shows them: 35 rows each,
// sorted by text descending, without rows whose trimmed text is empty.
QList<QStringList> displayedPages(const QStringList &resultBuffer);

struct DuplicateRowsResult {
    QStringList written; // the entries appended, in order
    FileResult result;   // reading the old entries or appending the new ones
};

// Command1 over one or more pages: reads the entries of RedandentRecords.txt,
// applies the rule page after page (entries written for one page count for
// the next) and appends the new entries, creating the file, empty if need be.
// When the old entries cannot be read, or the append fails, nothing counts
// as written and runningNumber is left as it was.
DuplicateRowsResult recordDuplicateRows(const RecordFile &files, const QList<QStringList> &pages,
                                        int &runningNumber);

// ---- Command2: missing parts -----------------------------------------------

// The monthly source file of a year and month: lawbase\ + yyyy + mm + ".txt".
QString monthlySourceFile(int year, int month);

// The title of a text of a monthly source file: the text before
// "【颁布单位】" (all of it when the label is missing), from after its first
// "题】" (all of it when that is missing), trimmed.
QString sourceTitle(QStringView text);

struct MissingPartsCheck {
    enum class Stop {
        None,           // every record was checked
        MissingFile,    // a monthly source file is not there
        UnreadableFile, // a monthly source file could not be opened or read
        UnreadableDate, // a record date that cannot be read as a date
    };

    // The message box of the first step: the date of record 1 (empty for an
    // empty index).
    QString firstDate;

    // The report records, in record order (four text fields each).
    QList<Record> missingOrg;     // title, date, "???", validity
    QList<Record> missingValid;   // title, date, categories and issuing body, "???"
    QList<Record> missingContent; // title, date, 100 characters and the title of the last text read

    Stop stop = Stop::None;
    int stoppedAt = 0;  // the record number the check ended at
    QString stopPath;   // the monthly source file concerned (MissingFile, UnreadableFile)
    QString stopDetail; // what went wrong with it, in one line for a person
    // Text1's note when the check ended early: "(" + year + two-digit month
    // + ")" + the first 120 characters of the last text read. For an
    // unreadable date the year and month are those of the last file opened
    // (nothing before the first), as the last text read comes from there.
    QString note;
};

// Checks every index record in order: empty categories and issuing body
// (MissingOrg), empty validity (MissingValid), and a title that no text of
// the record's monthly source file has (MissingContent). A missing or
// unreadable monthly file, or a date that cannot be read, ends the check at
// that record; its MissingOrg and MissingValid records are kept. "The last
// text read" runs across the whole check: an empty monthly file leaves the
// one read before. Each monthly file is read once for a run of records of
// the same month.
MissingPartsCheck checkMissingParts(const RecordFile &files, const LawTables &tables);

// Appends the report records to the three report files; a report with no
// record leaves its file alone. The first failure ends the writing.
FileResult appendMissingReports(const RecordFile &files, const MissingPartsCheck &check);

// ---- Form2: the year index list --------------------------------------------

inline constexpr char16_t Form2Header[] = u"序号   位置     年份";
inline constexpr int Form2MaxRows = 500;

// Rows k = 1 to 500, up to the first entry whose first record number is 0:
// k left-aligned in 6 characters, the first record number left-aligned in 8,
// two blanks, the year text.
QStringList form2Rows(const QList<YearIndexEntry> &yearIndex);
