#include "core/calendar/calendar_line.h"
#include "core/foundation/record_file.h"
#include "support/install_tree.h"
#include "support/tool_run.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString Table = u"c:\\Program files\\quorix\\calendar.txt"_s;

QStringList fieldsOf(const InstallTree &tree, const QString &path, const QString &key)
{
    return lookupCalendarDay(tree.readBytes(path), key).fields.value_or(QStringList());
}

} // namespace

TEST(ToolCalendarMake, WritesTheTableOfTheYears)
{
    InstallTree tree;
    const ToolRun r =
        runTool(tree, {u"calendar"_s, u"make"_s, u"--from"_s, u"2025"_s, u"--to"_s, u"2027"_s});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, tree.hostPath(Table) + u": 写入 1095 天 (2025 到 2027 年)\n"_s);
    EXPECT_EQ(fieldsOf(tree, Table, u"2027-2-6"_s),
              (QStringList{u"2027-2-6"_s, u"春节"_s, u"正月"_s, u"初一"_s, u""_s, u""_s}));
    EXPECT_EQ(fieldsOf(tree, Table, u"2025-12-21"_s).value(5), u"冬至"_s);
    EXPECT_TRUE(fieldsOf(tree, Table, u"2028-1-1"_s).isEmpty());

    // Another place, by its host path.
    QTemporaryDir elsewhere;
    const QString out = elsewhere.filePath(u"农历.txt"_s);
    const ToolRun moved = runTool(
        tree, {u"calendar"_s, u"make"_s, u"--from=1900"_s, u"--to=1900"_s, u"--out"_s, out});
    ASSERT_EQ(moved.exitCode, 0) << moved.err.toStdString();
    EXPECT_EQ(fieldsOf(tree, out, u"1900-1-31"_s).value(1), u"春节"_s);
}

TEST(ToolCalendarMake, RefusesYearsItCannotReckonAndWritesNothing)
{
    InstallTree tree;
    const QList<QStringList> cases = {
        {u"--from"_s, u"2025"_s},
        {u"--from"_s, u"abc"_s, u"--to"_s, u"2025"_s},
        {u"--from"_s, u"1799"_s, u"--to"_s, u"1800"_s},
        {u"--from"_s, u"2200"_s, u"--to"_s, u"2201"_s},
        {u"--from"_s, u"2026"_s, u"--to"_s, u"2025"_s},
        {u"--from"_s, u"2025"_s, u"--to"_s, u"2025"_s, u"extra"_s},
    };
    for (const QStringList &args : cases) {
        const ToolRun r = runTool(tree, QStringList{u"calendar"_s, u"make"_s} + args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(u"用法: veridane-tool calendar make"_s)) << r.err.toStdString();
        EXPECT_FALSE(tree.files().exists(Table));
    }
}

TEST(ToolCalendarMake, AFileThatCannotBeWrittenIsStatusOne)
{
    InstallTree tree;
    // A folder stands where the table should go.
    ASSERT_TRUE(tree.files().makeDirectory(Table));
    const ToolRun r =
        runTool(tree, {u"calendar"_s, u"make"_s, u"--from"_s, u"2025"_s, u"--to"_s, u"2025"_s});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.startsWith(u"veridane-tool: "_s)) << r.err.toStdString();
}
