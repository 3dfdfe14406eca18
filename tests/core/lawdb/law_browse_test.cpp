#include "core/lawdb/law_browse.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// 2005: records 1-2, 2003: 3-5, 2001: 6, undated: 7-8.
LawTables fixture()
{
    LawTables t;
    const QStringList rows[] = {
        {u"甲法"_s, u"2005-03-01"_s, u"1全国人民代表大会"_s, u"有效"_s},
        {u"乙规定"_s, u"2005-01-09"_s, u"46国家税务总局"_s, u"失效"_s},
        {u"丙办法"_s, u"2003-07-01"_s, u"5北京市人民政府"_s, u"有效"_s},
        {u"关于WTO的通知"_s, u"2003-04-01"_s, u"24国务院"_s, u"有效"_s},
        {u"戊批复"_s, u"2003-04-01"_s, u"3最高人民法院"_s, u"部分(失效)"_s},
        {u"己决定"_s, u"2001-06-30"_s, u"2国务院"_s, u"有效"_s},
        {u"庚范本"_s, u"0000-00-00"_s, u"7"_s, u""_s},
        {u"辛案例"_s, u"0000-00-00"_s, u"8"_s, u"有效"_s},
    };
    for (const QStringList &r : rows)
        t.LawIndex.append(LawRecord(r[0], r[1], r[2], r[3]));
    t.YearIndex = {{1, u"2005"_s}, {3, u"2003"_s}, {6, u"2001"_s}, {7, u"0000"_s}};
    return t;
}

QStringList titles(const QStringList &rows)
{
    QStringList out;
    for (const QString &r : rows)
        out += splitLawRow(r).title;
    return out;
}

} // namespace

TEST(BeginNoEndNoIndex2, YearRanges)
{
    const LawTables t = fixture();
    const struct {
        int year;
        YearMode mode;
        RangeOutcome outcome;
        BrowseRange range;
    } cases[] = {
        {2005, YearMode::Before, RangeOutcome::Set, {1, 8}},
        {2003, YearMode::Before, RangeOutcome::Set, {3, 8}},
        {2004, YearMode::Before, RangeOutcome::Set, {3, 8}}, // falls back to 2003
        {2026, YearMode::Before, RangeOutcome::Set, {1, 8}},
        {99999999, YearMode::Before, RangeOutcome::Set, {1, 8}},
        {0, YearMode::Before, RangeOutcome::Set, {7, 8}}, // no number: the undated records
        {1900, YearMode::Before, RangeOutcome::NoRecords, {-1, -1}},
        {1800, YearMode::Before, RangeOutcome::NoRecords, {-1, -1}},
        {2003, YearMode::After, RangeOutcome::Set, {1, 5}},
        {2004, YearMode::After, RangeOutcome::Set, {1, 2}},
        {2006, YearMode::After, RangeOutcome::Set, {1, 0}}, // newer than every year: empty
        {2001, YearMode::After, RangeOutcome::Set, {1, 6}},
        {0, YearMode::After, RangeOutcome::Set, {1, 8}},
        {2003, YearMode::Other, RangeOutcome::Unchanged, {-1, -1}},
    };
    for (const auto &c : cases) {
        BrowseRange range{-1, -1};
        EXPECT_EQ(BeginNoEndNoIndex2(t, c.year, c.mode, range), c.outcome) << c.year;
        EXPECT_EQ(range, c.range) << c.year << " mode " << int(c.mode);
    }
}

TEST(BeginNoEndNoIndex2, EmptyIndex)
{
    const LawTables empty;
    BrowseRange range{5, 6};
    EXPECT_EQ(BeginNoEndNoIndex2(empty, 2003, YearMode::Before, range), RangeOutcome::NoRecords);
    EXPECT_EQ(range, (BrowseRange{5, 6}));
    EXPECT_EQ(BeginNoEndNoIndex2(empty, 2003, YearMode::After, range), RangeOutcome::Set);
    EXPECT_EQ(range, (BrowseRange{1, 0}));
}

TEST(Index2Find, FiltersByCategoryAndKeywords)
{
    const LawTables t = fixture();
    const BrowseRange all{1, 8};
    const struct {
        int category;
        QString text1;
        QStringList titles;
    } cases[] = {
        {10,
         u""_s,
         {u"甲法"_s, u"乙规定"_s, u"丙办法"_s, u"关于WTO的通知"_s, u")戊批复"_s, u"己决定"_s,
          u"庚范本"_s, u"辛案例"_s}},
        {4, u""_s, {u"乙规定"_s, u"关于WTO的通知"_s}},
        {6, u""_s, {u"乙规定"_s}},
        {2, u""_s, {u"关于WTO的通知"_s, u"己决定"_s}},
        {10, u"国务院"_s, {u"关于WTO的通知"_s, u"己决定"_s}},
        {10, u"wto"_s, {u"关于WTO的通知"_s}},
        {10, u"国务院 有效"_s, {u"关于WTO的通知"_s, u"己决定"_s}},
        {10, u"有效 国务院"_s, {u"关于WTO的通知"_s, u"己决定"_s}},
        {2, u"2001"_s, {u"己决定"_s}},
        // A keyword across the end of the title and the start of the date.
        {10, u"决定2001"_s, {u"己决定"_s}},
        {10, u"2003-04-01"_s, {u"关于WTO的通知"_s, u")戊批复"_s}},
        {10, u"没有的词"_s, {}},
        {0, u"国务院"_s, {}},
    };
    for (const auto &c : cases) {
        const KeyWords k = UKeyWordsSet(c.text1);
        const QStringList rows = Index2Find(t, all, c.category, k, c.text1.trimmed().isEmpty());
        EXPECT_EQ(titles(rows), c.titles) << c.category << ' ' << c.text1.toStdString();
    }
    EXPECT_EQ(Index2Find(t, {3, 5}, 10, {}, true).size(), 3);
    EXPECT_TRUE(Index2Find(t, {1, 0}, 10, {}, true).isEmpty());
}

TEST(LawRows, BuildAndTakeApart)
{
    const LawTables t = fixture();
    EXPECT_EQ(lawRow(t.record(1)), u"2005-03-01  (有效)甲法"_s);
    const LawRowParts p = splitLawRow(lawRow(t.record(1)));
    EXPECT_EQ(p.date, u"2005-03-01"_s);
    EXPECT_EQ(p.title, u"甲法"_s);
    EXPECT_FALSE(p.undated);

    // A validity holding ")" shifts the title.
    EXPECT_EQ(splitLawRow(lawRow(t.record(5))).title, u")戊批复"_s);
    EXPECT_TRUE(splitLawRow(lawRow(t.record(7))).undated);
    EXPECT_TRUE(splitLawRow(u"００００-00-00  (有效)x"_s).undated);
    EXPECT_EQ(splitLawRow(u"no bracket"_s).title, QString());
}

TEST(Paging, ThirtyFiveRowsAPage)
{
    QStringList buffer;
    for (int i = 1; i <= 71; ++i)
        buffer += QString::number(i);
    EXPECT_EQ(pageOf(buffer, 1).size(), 35);
    EXPECT_EQ(pageOf(buffer, 1).back(), u"35"_s);
    EXPECT_EQ(pageOf(buffer, 2).front(), u"36"_s);
    EXPECT_EQ(pageOf(buffer, 3), QStringList{u"71"_s});
    EXPECT_TRUE(pageOf(buffer, 4).isEmpty());
    EXPECT_TRUE(pageOf(buffer, 0).isEmpty());
    EXPECT_EQ(pageOf(buffer.mid(0, 35), 2).size(), 0);
    EXPECT_EQ(sortedForDisplay(
                  {u"2003-01-01  (有效)a"_s, u"2005-01-01  (有效)b"_s, u"2004-01-01  (有效)c"_s}),
              (QStringList{u"2005-01-01  (有效)b"_s, u"2004-01-01  (有效)c"_s,
                           u"2003-01-01  (有效)a"_s}));
}

TEST(YearControls, ModeAndComboYear)
{
    EXPECT_EQ(yearModeOf(YearModeBeforeCaption), YearMode::Before);
    EXPECT_EQ(yearModeOf(YearModeAfterCaption), YearMode::After);
    EXPECT_EQ(yearModeOf(u"别的"_s), YearMode::Other);
    const struct {
        QString text;
        int year;
    } cases[] = {{u"2003"_s, 2003}, {u"2003年"_s, 2003}, {u"abc"_s, 0},
                 {u""_s, 0},        {u" 1999"_s, 1999},  {u"19x9"_s, 19}};
    for (const auto &c : cases)
        EXPECT_EQ(comboYear(c.text), c.year) << c.text.toStdString();
}
