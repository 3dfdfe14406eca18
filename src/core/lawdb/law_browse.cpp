#include "core/lawdb/law_browse.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int OldestYear = 1875;

int yearNumber(QStringView yearText)
{
    // A year text is read as a number the way the combo box text is.
    return comboYear(yearText);
}

} // namespace

YearMode yearModeOf(QStringView caption)
{
    if (caption.endsWith(u'前'))
        return YearMode::Before;
    if (caption.endsWith(u'后'))
        return YearMode::After;
    return YearMode::Other;
}

int comboYear(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    int value = 0;
    bool any = false;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        if (value > 100000000)
            break;
        value = value * 10 + (text[i].unicode() - u'0');
        any = true;
    }
    return any ? value : 0;
}

RangeOutcome BeginNoEndNoIndex2(const LawTables &tables, int year, YearMode mode,
                                BrowseRange &range)
{
    const QList<YearIndexEntry> &entries = tables.YearIndex;
    if (mode == YearMode::Before) {
        // A year missing from the index falls back to the nearest older one.
        // No entry is newer than the newest one, so a larger year starts
        // there: the answer is the same, without counting down from 99999.
        int newest = -1;
        for (const YearIndexEntry &e : entries) {
            if (e.year.isEmpty())
                break;
            newest = std::max(newest, yearNumber(e.year));
        }
        const int start = year > newest ? std::max(newest, OldestYear - 1) : year;
        for (int y = start;; --y) {
            for (const YearIndexEntry &e : entries) {
                if (e.year.isEmpty())
                    break;
                if (yearNumber(e.year) == y) {
                    range = {e.first, tables.count()};
                    return RangeOutcome::Set;
                }
            }
            if (y < OldestYear)
                return RangeOutcome::NoRecords;
        }
    }
    if (mode == YearMode::After) {
        for (const YearIndexEntry &e : entries) {
            if (e.year.isEmpty())
                break;
            if (yearNumber(e.year) < year) {
                range = {1, e.first - 1};
                return RangeOutcome::Set;
            }
        }
        range = {1, tables.count()};
        return RangeOutcome::Set;
    }
    return RangeOutcome::Unchanged;
}

QString lawRow(QStringView date, QStringView validity, QStringView title)
{
    QString row;
    row.reserve(date.size() + validity.size() + title.size() + 4);
    row.append(date).append(u"  ("_s).append(validity).append(u')').append(title);
    return row;
}

QString lawRow(const LawRecord &record)
{
    return lawRow(record.date(), record.validity(), record.title());
}

LawRowParts splitLawRow(QStringView row)
{
    LawRowParts parts;
    parts.date = row.left(10).trimmed().toString();
    const qsizetype bracket = row.indexOf(u')');
    parts.title = bracket >= 0 ? row.sliced(bracket + 1).toString() : QString();
    parts.undated = row.contains(u"0000") || row.contains(u"００００");
    return parts;
}

QStringList Index2Find(const LawTables &tables, const BrowseRange &range, int category,
                       const KeyWords &keyWords, bool keywordBoxEmpty)
{
    QStringList rows;
    const int first = std::max(range.BeginNo, 1);
    const int last = std::min(range.EndNo, tables.count());
    if (first > last)
        return rows;
    const bool all = category == 10;
    if (!all && (category < 1 || category > 9) && !keywordBoxEmpty)
        return rows;
    const QChar digit = QChar(char16_t(u'0' + (category % 10)));
    const QStringList words = keyWords.words();
    rows.reserve(last - first + 1);
    for (int i = first; i <= last; ++i) {
        const LawRecord &r = tables.record(i);
        if (!all && !r.org().contains(digit))
            continue;
        if (!keywordBoxEmpty) {
            const QStringView text = r.joined();
            bool match = true;
            for (const QString &w : words) {
                if (!text.contains(w)) {
                    match = false;
                    break;
                }
            }
            if (!match)
                continue;
        }
        rows.append(lawRow(r));
    }
    return rows;
}

QStringList pageOf(const QStringList &buffer, int page)
{
    if (page < 1)
        return {};
    const qsizetype start = qsizetype(page - 1) * RowsPerPage;
    if (start >= buffer.size())
        return {};
    return buffer.mid(start, RowsPerPage);
}

QStringList sortedForDisplay(QStringList rows)
{
    std::stable_sort(rows.begin(), rows.end(),
                     [](const QString &a, const QString &b) { return a > b; });
    return rows;
}
