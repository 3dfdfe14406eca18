#include "core/lawdb/law_index.h"
#include "core/lawdb/maintenance.h"
#include "support/install_tree.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString document(const QString &title)
{
    return u"【标    题】   "_s + title + u"\r\n【颁布单位】   国务院\r\n正文"_s;
}

// An index with a duplicate that only the list's sorting puts side by side.
void writeIndex(const InstallTree &tree)
{
    tree.writeRecords(lawIndexPath(), {
                                          {u"甲法"_s, u"2004-05-01"_s, u"1全国人大"_s, u"有效"_s},
                                          {u"乙条例"_s, u"2003-07-01"_s, u"2国务院"_s, u"有效"_s},
                                          {u"丙规定"_s, u"2003-07-01"_s, u"4"_s, u""_s},
                                          {u"乙条例"_s, u"2003-07-01"_s, u"2国务院"_s, u"有效"_s},
                                          {u"丁范本"_s, u"0000-00-00"_s, u"7"_s, u"有效"_s},
                                      });
}

} // namespace

TEST(ToolLawYearIndex, PrintsTheForm2Rows)
{
    InstallTree tree;
    writeIndex(tree);
    const ToolRun r = runTool(tree, {u"law"_s, u"year-index"_s});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, u"1     1         2004\n2     2         2003\n3     5         0000\n"_s);

    EXPECT_EQ(runTool(tree, {u"law"_s, u"year-index"_s, u"x"_s}).exitCode, 2);
}

TEST(ToolLawCheckDuplicates, AppendsEachDuplicateRowOnce)
{
    InstallTree tree;
    writeIndex(tree);
    const QString report = lawbaseFile(RedandentRecordsName);
    const QString entry = u"1    2003-07-01  (有效)乙条例"_s;

    const ToolRun first = runTool(
        tree, {u"law"_s, u"check-duplicates"_s, u"--year"_s, u"2003"_s, u"--mode"_s, u"before"_s});
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, entry + u'\n');
    const QByteArray written = tree.readBytes(report);
    EXPECT_FALSE(written.isEmpty());

    // The entry is in the file now: neither the same browse nor another
    // range holding the same rows writes it again.
    for (const QStringList &args : {
             QStringList{u"--year"_s, u"2003"_s, u"--mode"_s, u"before"_s},
             QStringList{u"--year=2003年"_s, u"--mode=after"_s, u"--category"_s, u"2"_s},
         }) {
        const ToolRun again = runTool(tree, QStringList{u"law"_s, u"check-duplicates"_s} + args);
        EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
        EXPECT_TRUE(again.out.isEmpty()) << again.out.toStdString();
    }
    EXPECT_EQ(tree.readBytes(report), written);

    // Category 4 holds no duplicate; the report is still made.
    InstallTree other;
    writeIndex(other);
    const ToolRun none = runTool(other, {u"law"_s, u"check-duplicates"_s, u"--year"_s, u"2004"_s,
                                         u"--mode"_s, u"before"_s, u"--category"_s, u"4"_s});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_TRUE(other.files().exists(report));
}

TEST(ToolLawCheckDuplicates, NoYearDownTo1874AndWrongCommandLines)
{
    InstallTree tree;
    writeIndex(tree);
    const ToolRun none = runTool(
        tree, {u"law"_s, u"check-duplicates"_s, u"--year"_s, u"1800"_s, u"--mode"_s, u"before"_s});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.err, u"没有记录!\n"_s);
    EXPECT_FALSE(tree.files().exists(lawbaseFile(RedandentRecordsName)));

    const QStringList wrong[] = {
        {},
        {u"--mode"_s, u"before"_s},
        {u"--year"_s, u"2003"_s},
        {u"--year"_s, u"2003"_s, u"--mode"_s, u"sideways"_s},
        {u"--year"_s, u"2003"_s, u"--mode"_s, u"after"_s, u"--category"_s, u"11"_s},
        {u"--year"_s, u"2003"_s, u"--mode"_s, u"after"_s, u"--category"_s},
        {u"--year"_s, u"2003"_s, u"--mode"_s, u"after"_s, u"extra"_s},
    };
    for (const QStringList &args : wrong) {
        const ToolRun r = runTool(tree, QStringList{u"law"_s, u"check-duplicates"_s} + args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(u"用法"_s)) << args.join(u' ').toStdString();
    }
}

TEST(ToolLawCheckMissing, CountsTheReportsAndShowsTheNoteOfAnEarlyEnd)
{
    InstallTree tree;
    writeIndex(tree);
    const QString jia = document(u"甲法"_s);
    tree.writeRecords(monthlySourceFile(2004, 5), {{jia}});
    tree.writeRecords(monthlySourceFile(2003, 7), {{document(u"乙条例"_s)}});

    const ToolRun r = runTool(tree, {u"law"_s, u"check-missing"_s});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, u"MissingOrg.txt 0\nMissingValid.txt 1\nMissingContent.txt 1\n"_s);
    // The check ends at the undated record, after the last text of July 2003.
    EXPECT_TRUE(r.err.startsWith(u"(200307)"_s + document(u"乙条例"_s) + u'\n'))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(u"第 5 条记录"_s)) << r.err.toStdString();
    EXPECT_FALSE(tree.files().exists(lawbaseFile(MissingOrgName)));
    EXPECT_TRUE(tree.files().exists(lawbaseFile(MissingValidName)));

    // Reports are appended to.
    const ToolRun again = runTool(tree, {u"law"_s, u"check-missing"_s});
    EXPECT_EQ(again.out, r.out);
    auto reader = tree.files().openForReading(lawbaseFile(MissingContentName));
    ASSERT_TRUE(reader);
    int records = 0;
    while (!reader->atEnd() && reader->readRecord())
        ++records;
    EXPECT_EQ(records, 2);
}

TEST(ToolLawCheckMissing, ACompleteCheckSaysNothingOnStandardError)
{
    InstallTree tree;
    tree.writeRecords(lawIndexPath(), {{u"甲法"_s, u"2004-05-01"_s, u""_s, u"有效"_s}});
    tree.writeRecords(monthlySourceFile(2004, 5), {{document(u"甲法"_s)}});
    const ToolRun r = runTool(tree, {u"law"_s, u"check-missing"_s});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, u"MissingOrg.txt 1\nMissingValid.txt 0\nMissingContent.txt 0\n"_s);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
}
