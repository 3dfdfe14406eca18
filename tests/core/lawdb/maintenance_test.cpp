#include "core/lawdb/maintenance.h"

#include "core/lawdb/law_index.h"
#include "support/install_tree.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A text of a monthly source file, with a body long enough to be cut.
QString document(const QString &title, const QString &date)
{
    return u"【标    题】   "_s + title + u"\r\n【颁布单位】   国务院\r\n【颁布日期】   "_s + date +
           u"\r\n【实施日期】   "_s + date + u"\r\n【有 效 性】   有效\r\n"_s + title +
           u"的正文"_s + QString(150, u'文');
}

LawTables tables(const QList<QStringList> &records)
{
    LawTables t;
    for (const QStringList &r : records)
        t.LawIndex.append(LawRecord(r[0], r[1], r[2], r[3]));
    return t;
}

QList<Record> readRecords(const InstallTree &tree, const QString &path)
{
    QList<Record> out;
    auto reader = tree.files().openForReading(path);
    while (reader && !reader->atEnd()) {
        auto record = reader->readRecord();
        if (!record)
            break;
        out.append(*record);
    }
    return out;
}

QStringList texts(const QList<Record> &records)
{
    QStringList out;
    for (const Record &r : records) {
        QStringList fields;
        for (const RecordValue &v : r)
            fields.append(v.toText());
        out.append(fields.join(u'|'));
    }
    return out;
}

} // namespace

TEST(DuplicateEntries, AppliesTheRuleToThePageInOrder)
{
    struct Case {
        const char *what;
        QStringList rows;
        QStringList existing;
        QStringList added;
    };
    const Case cases[] = {
        {"three equal rows", {u"A"_s, u"A"_s, u"A"_s, u"B"_s}, {}, {u"5    A"_s}},
        {"two pairs", {u"B"_s, u"B"_s, u"A"_s, u"A"_s}, {}, {u"5    B"_s, u"6    A"_s}},
        {"already recorded", {u"A"_s, u"A"_s}, {u"12   A"_s}, {}},
        {"recorded under a long number", {u"A"_s, u"A"_s}, {u"123456A"_s}, {u"5    A"_s}},
        {"equal but apart", {u"A"_s, u"B"_s, u"A"_s}, {}, {}},
        {"ends at an empty row", {u"A"_s, u""_s, u"B"_s, u"B"_s}, {}, {}},
        {"one row", {u"A"_s}, {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        int number = 4;
        EXPECT_EQ(duplicateEntries(c.rows, c.existing, number), c.added);
        EXPECT_EQ(number, 4 + c.added.size());
    }
    EXPECT_EQ(redundantEntry(123456, u"x"), u"123456x"_s);
}

TEST(DisplayedPages, SortsEachPageAsTheListDoes)
{
    QStringList buffer;
    for (int i = 1; i <= 36; ++i)
        buffer.append(u"2003-01-"_s + QString::number(i).rightJustified(2, u'0'));
    const QList<QStringList> pages = displayedPages(buffer);
    ASSERT_EQ(pages.size(), 2);
    ASSERT_EQ(pages[0].size(), 35);
    EXPECT_EQ(pages[0].front(), u"2003-01-35"_s);
    EXPECT_EQ(pages[0].back(), u"2003-01-01"_s);
    EXPECT_EQ(pages[1], QStringList{u"2003-01-36"_s});
    EXPECT_TRUE(displayedPages({}).isEmpty());
}

TEST(RecordDuplicateRows, AppendsOnlyRowsNotYetRecorded)
{
    InstallTree tree;
    const QString path = lawbaseFile(RedandentRecordsName);
    tree.writeRecords(u"c:\\program files\\quorix\\LAWBASE\\redandentrecords.txt"_s,
                      {{u"1    X"_s}});
    int number = 3;
    const DuplicateRowsResult r = recordDuplicateRows(
        tree.files(), {{u"X"_s, u"X"_s, u"A"_s, u"A"_s, u"A"_s}, {u"A"_s, u"A"_s, u"B"_s}}, number);
    ASSERT_TRUE(r.result) << r.result.message().toStdString();
    EXPECT_EQ(r.written, QStringList{u"4    A"_s});
    EXPECT_EQ(number, 4);
    EXPECT_EQ(texts(readRecords(tree, path)), (QStringList{u"1    X"_s, u"4    A"_s}));

    // A second click finds both in the file.
    const DuplicateRowsResult again =
        recordDuplicateRows(tree.files(), {{u"A"_s, u"A"_s, u"X"_s, u"X"_s}}, number);
    EXPECT_TRUE(again.result);
    EXPECT_TRUE(again.written.isEmpty());
    EXPECT_EQ(number, 4);
}

TEST(RecordDuplicateRows, CreatesTheReportEvenWithoutDuplicates)
{
    InstallTree tree;
    ASSERT_TRUE(tree.files().makeDirectory(lawbaseFile(u"")));
    int number = 0;
    const DuplicateRowsResult r = recordDuplicateRows(tree.files(), {{u"A"_s, u"B"_s}}, number);
    EXPECT_TRUE(r.result);
    EXPECT_TRUE(tree.files().exists(lawbaseFile(RedandentRecordsName)));
    EXPECT_TRUE(tree.readBytes(lawbaseFile(RedandentRecordsName)).isEmpty());
}

TEST(RecordDuplicateRows, AFailedAppendWritesNothingAndKeepsTheNumber)
{
    InstallTree tree;
    // A folder where the report should be: the append cannot open it.
    ASSERT_TRUE(tree.files().makeDirectory(lawbaseFile(RedandentRecordsName)));
    int number = 2;
    const DuplicateRowsResult r = recordDuplicateRows(tree.files(), {{u"A"_s, u"A"_s}}, number);
    EXPECT_FALSE(r.result);
    EXPECT_TRUE(r.written.isEmpty());
    EXPECT_EQ(number, 2);
}

TEST(SourceTitle, TakesTheTitleLine)
{
    EXPECT_EQ(sourceTitle(document(u"甲法"_s, u"2003-4-2"_s)), u"甲法"_s);
    EXPECT_EQ(sourceTitle(u"【标    题】  甲法  "_s), u"甲法"_s);
    EXPECT_EQ(sourceTitle(u" 甲法\r\n【颁布单位】国务院"_s), u"甲法"_s);
    EXPECT_EQ(sourceTitle(u""_s), u""_s);
}

TEST(CheckMissingParts, ReportsEachMissingPartAndEndsAtTheUndatedRecords)
{
    InstallTree tree;
    const QString yi = document(u"乙通知"_s, u"2003-4-3"_s);
    const QString jia = document(u"  甲法 "_s, u"2003-4-2"_s);
    const QString ji = document(u"己决定"_s, u"2003-4-1"_s);
    const QString ding = document(u"丁办法"_s, u"2003-3-5"_s);
    tree.writeRecords(monthlySourceFile(2003, 4), {{yi}, {jia}, {ji}});
    tree.writeRecords(monthlySourceFile(2003, 3), {{ding}});
    const LawTables t = tables({
        {u"甲法 "_s, u"2003-04-02"_s, u"2国务院"_s, u"有效"_s},
        {u"丙规定"_s, u"2003-04-01"_s, u""_s, u""_s},
        {u"丁办法"_s, u"2003-03-05"_s, u"4财政部"_s, u"有效"_s},
        {u"戊范本"_s, u"0000-00-00"_s, u"7"_s, u""_s},
        {u"庚案例"_s, u"0000-00-00"_s, u""_s, u"有效"_s},
    });

    const MissingPartsCheck c = checkMissingParts(tree.files(), t);
    EXPECT_EQ(c.firstDate, u"2003-04-02"_s);
    EXPECT_EQ(texts(c.missingOrg), QStringList{u"丙规定|2003-04-01|???|"_s});
    EXPECT_EQ(texts(c.missingValid),
              (QStringList{u"丙规定|2003-04-01||???"_s, u"戊范本|0000-00-00|7|???"_s}));
    EXPECT_EQ(texts(c.missingContent),
              QStringList{u"丙规定|2003-04-01|"_s + ji.left(100) + u"|己决定最后可读标题"_s});
    EXPECT_EQ(c.stop, MissingPartsCheck::Stop::UnreadableDate);
    EXPECT_EQ(c.stoppedAt, 4);
    EXPECT_EQ(c.note, u"(200303)"_s + ding.left(120));
}

TEST(CheckMissingParts, AMissingMonthFileEndsTheCheck)
{
    InstallTree tree;
    const QString jia = document(u"甲法"_s, u"2003-4-2"_s);
    tree.writeRecords(monthlySourceFile(2003, 4), {{jia}});
    tree.writeRecords(monthlySourceFile(2003, 1), {});
    const LawTables t = tables({
        {u"甲法"_s, u"2003-04-02"_s, u"2国务院"_s, u"有效"_s},
        {u"乙法"_s, u"2003-01-09"_s, u"2国务院"_s, u"有效"_s}, // empty month file
        {u"丙法"_s, u"2003-02-01"_s, u""_s, u"有效"_s},
        {u"丁法"_s, u"2002-12-01"_s, u""_s, u"有效"_s},
    });
    const MissingPartsCheck c = checkMissingParts(tree.files(), t);
    // An empty month file leaves the last text read as it was.
    EXPECT_EQ(texts(c.missingContent),
              QStringList{u"乙法|2003-01-09|"_s + jia.left(100) + u"|甲法最后可读标题"_s});
    // The record the check ends at still has its issuing body checked.
    EXPECT_EQ(texts(c.missingOrg), QStringList{u"丙法|2003-02-01|???|有效"_s});
    EXPECT_EQ(c.stop, MissingPartsCheck::Stop::MissingFile);
    EXPECT_EQ(c.stoppedAt, 3);
    EXPECT_EQ(c.stopPath, u"c:\\program files\\quorix\\lawbase\\200302.txt"_s);
    EXPECT_EQ(c.note, u"(200302)"_s + jia.left(120));
}

TEST(CheckMissingParts, AnEmptyIndexChecksNothing)
{
    InstallTree tree;
    const MissingPartsCheck c = checkMissingParts(tree.files(), LawTables{});
    EXPECT_TRUE(c.firstDate.isEmpty());
    EXPECT_EQ(c.stop, MissingPartsCheck::Stop::None);
    EXPECT_TRUE(c.note.isEmpty());
}

TEST(AppendMissingReports, AddsToTheReportsThatHaveRecords)
{
    InstallTree tree;
    ASSERT_TRUE(tree.files().makeDirectory(lawbaseFile(u"")));
    MissingPartsCheck c;
    c.missingOrg = {{u"甲"_s, u"2003-04-02"_s, u"???"_s, u"有效"_s}};
    c.missingValid = {{u"乙"_s, u"2003-04-01"_s, u"2国务院"_s, u"???"_s},
                      {u"丙"_s, u"2003-03-01"_s, u"4"_s, u"???"_s}};
    ASSERT_TRUE(appendMissingReports(tree.files(), c));
    ASSERT_TRUE(appendMissingReports(tree.files(), c));
    EXPECT_EQ(texts(readRecords(tree, lawbaseFile(MissingOrgName))),
              (QStringList{u"甲|2003-04-02|???|有效"_s, u"甲|2003-04-02|???|有效"_s}));
    EXPECT_EQ(readRecords(tree, lawbaseFile(MissingValidName)).size(), 4);
    EXPECT_FALSE(tree.files().exists(lawbaseFile(MissingContentName)));
}

TEST(Form2Rows, ListsTheYearIndexUpToTheFirstEmptyEntry)
{
    EXPECT_EQ(form2Rows({{1, u"2005"_s}, {1234567, u"2003"_s}, {0, u""_s}, {9, u"1999"_s}}),
              (QStringList{u"1     1         2005"_s, u"2     1234567   2003"_s}));
    QList<YearIndexEntry> many;
    for (int i = 1; i <= 600; ++i)
        many.append({i, u"1999"_s});
    const QStringList rows = form2Rows(many);
    ASSERT_EQ(rows.size(), Form2MaxRows);
    EXPECT_EQ(rows.back(), u"500   500       1999"_s);
}
