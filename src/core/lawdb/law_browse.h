#pragma once

#include "core/lawdb/keywords.h"
#include "core/lawdb/law_index.h"

#include <QStringList>

// The year mode of the caption of label14: only its last character counts.
enum class YearMode { Before, After, Other };
YearMode yearModeOf(QStringView label14Caption);
inline constexpr QStringView YearModeBeforeCaption = u"年  和    之前";
inline constexpr QStringView YearModeAfterCaption = u"年  和    之后";

// The year of the Combo1 text: its leading digits, 0 when there are none.
int comboYear(QStringView combo1Text);

// The browse range in the law index (record numbers, inclusive).
struct BrowseRange {
    int BeginNo = 0;
    int EndNo = 0;
    bool operator==(const BrowseRange &) const = default;
};

enum class RangeOutcome {
    Set,       // the range was computed
    NoRecords, // "没有记录!": no year found down to 1874; the range is unchanged
    Unchanged, // a caption that is neither mode
};

RangeOutcome BeginNoEndNoIndex2(const LawTables &tables, int year, YearMode mode,
                                BrowseRange &range);

// A law row: date, two blanks, "(", validity, ")", title.
QString lawRow(QStringView date, QStringView validity, QStringView title);
QString lawRow(const LawRecord &record);

// The parts of a row: the first 10 characters (trimmed) are the date, the
// text after the first ")" the title; a row holding "0000" or "００００" is
// undated.
struct LawRowParts {
    QString date;
    QString title;
    bool undated = false;
};
LawRowParts splitLawRow(QStringView row);

// The browse: the rows of the records BeginNo..EndNo of the category (10:
// all) whose joined fields hold every keyword (no keyword test when the
// trimmed keyword box is empty), in index order.
QStringList Index2Find(const LawTables &tables, const BrowseRange &range, int category,
                       const KeyWords &keyWords, bool keywordBoxEmpty);

// Rows per page of the record list, and a page of a buffer.
inline constexpr int RowsPerPage = 35;
QStringList pageOf(const QStringList &buffer, int page);
// The law list shows a page's rows sorted by their text, descending.
QStringList sortedForDisplay(QStringList rows);
