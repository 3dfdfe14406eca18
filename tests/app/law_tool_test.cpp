#include "core/lawdb/law_fixtures.h"
#include "core/lawdb/law_index.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The small database, on a tree of its own.
class LawToolTest : public ::testing::Test
{
protected:
    void SetUp() override { db.write(tree); }

    InstallTree tree;
    SmallLawDatabase db;
    const LawDocument &a = db.a;
    const LawDocument &b = db.b;
    const LawDocument &c = db.c;
    const LawDocument &u = db.u;
};

} // namespace

TEST_F(LawToolTest, Stats)
{
    const ToolRun r = runTool(tree, {u"law"_s, u"stats"_s});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, u"records 4\n1 2003\n3 2001\n4 0000\n"_s);
}

TEST_F(LawToolTest, Browse)
{
    const struct {
        QStringList args;
        QString out;
        QString err;
    } cases[] = {
        {{u"--year"_s, u"2026"_s, u"--mode"_s, u"before"_s},
         u"2003-04-20  (有效)乙管理办法\n2003-04-01  (有效)甲合同规定\n2001-06-30  (失效)丙决定\n"
         u"0000-00-00  (有效)丁范本\n"_s,
         {}},
        {{u"--year"_s, u"2002"_s, u"--mode"_s, u"before"_s},
         u"2001-06-30  (失效)丙决定\n0000-00-00  (有效)丁范本\n"_s,
         {}},
        {{u"--year"_s, u"2002"_s, u"--mode"_s, u"after"_s},
         u"2003-04-20  (有效)乙管理办法\n2003-04-01  (有效)甲合同规定\n"_s,
         {}},
        {{u"--year"_s, u"2026"_s, u"--mode"_s, u"before"_s, u"--category"_s, u"2"_s},
         u"2003-04-01  (有效)甲合同规定\n2001-06-30  (失效)丙决定\n"_s,
         {}},
        {{u"--year=2026"_s, u"--mode=before"_s, u"--keywords"_s, u"国务院　有效"_s},
         u"2003-04-01  (有效)甲合同规定\n"_s,
         {}},
        {{u"--year"_s, u"2026"_s, u"--mode"_s, u"before"_s, u"--keywords"_s, u"2003/4/20"_s},
         u"2003-04-20  (有效)乙管理办法\n"_s,
         {}},
        // Full-width digits are no number: year 0 selects the undated records.
        {{u"--year"_s, u"１９００"_s, u"--mode"_s, u"before"_s},
         u"0000-00-00  (有效)丁范本\n"_s,
         {}},
        {{u"--year"_s, u"1900"_s, u"--mode"_s, u"before"_s}, {}, u"没有记录!\n"_s},
    };
    for (const auto &t : cases) {
        const ToolRun r = runTool(tree, QStringList{u"law"_s, u"browse"_s} + t.args);
        EXPECT_EQ(r.exitCode, 0) << t.args.join(u' ').toStdString();
        EXPECT_EQ(r.out, t.out) << t.args.join(u' ').toStdString();
        EXPECT_EQ(r.err, t.err) << t.args.join(u' ').toStdString();
    }
}

TEST_F(LawToolTest, FullText)
{
    const ToolRun all = runTool(tree, {u"law"_s, u"fulltext"_s, u"--year"_s, u"2026"_s, u"--mode"_s,
                                       u"before"_s, u"--keywords"_s, u"合同"_s});
    EXPECT_EQ(all.exitCode, 0) << all.err.toStdString();
    EXPECT_EQ(
        all.out,
        u"2003-04-01  (有效)甲合同规定\n2003-04-20  (有效)乙管理办法\n0000-00-00  (有效)丁范本\n"_s);

    const ToolRun latin =
        runTool(tree, {u"--today"_s, u"2026-12-10"_s, u"law"_s, u"fulltext"_s, u"--year"_s,
                       u"2002"_s, u"--mode"_s, u"after"_s, u"--keywords"_s, u"wto 合同"_s});
    EXPECT_EQ(latin.out, u"2003-04-01  (有效)甲合同规定\n"_s);

    // Mode after runs from "today" down: with today in 2002 nothing of 2003 is searched.
    const ToolRun past =
        runTool(tree, {u"--today"_s, u"2002-01-01"_s, u"law"_s, u"fulltext"_s, u"--year"_s,
                       u"2001"_s, u"--mode"_s, u"after"_s, u"--keywords"_s, u"决定"_s});
    EXPECT_EQ(past.out, u"2001-06-30  (失效)丙决定\n"_s);

    EXPECT_EQ(
        runTool(tree, {u"law"_s, u"fulltext"_s, u"--year"_s, u"2026"_s, u"--mode"_s, u"before"_s})
            .exitCode,
        2);
}

TEST_F(LawToolTest, Show)
{
    const ToolRun found =
        runTool(tree, {u"law"_s, u"show"_s, u"--row"_s, u"2003-04-20  (有效)乙管理办法"_s});
    EXPECT_EQ(found.exitCode, 0);
    EXPECT_EQ(found.out, b.text() + u"\r\n"_s);

    const ToolRun undated =
        runTool(tree, {u"law"_s, u"show"_s, u"--row"_s, u"0000-00-00  (有效)丁范本"_s});
    EXPECT_EQ(undated.out, u.text() + u"\r\n"_s);

    const ToolRun placeholder =
        runTool(tree, {u"law"_s, u"show"_s, u"--row"_s, u"1999-01-01  (有效)无此月"_s});
    EXPECT_EQ(placeholder.exitCode, 0);
    EXPECT_TRUE(placeholder.out.startsWith(u"【标    题】   无此月\r\n【颁布单位】   ......"_s));

    const ToolRun missing =
        runTool(tree, {u"law"_s, u"show"_s, u"--row"_s, u"2003-04-02  (有效)乙管理办法"_s});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, u"没有查到!\n"_s);

    QString broken = LawDocument{u"坏"_s}.text();
    broken.remove(RecordMarker());
    writeContentFile(tree, 2005, 5, {broken});
    const ToolRun illegal =
        runTool(tree, {u"law"_s, u"show"_s, u"--row"_s, u"2005-05-01  (有效)坏"_s});
    EXPECT_EQ(illegal.exitCode, 1);
    EXPECT_EQ(illegal.err, u"非法格式!\n"_s);

    LawDocument damaged{u"损"_s};
    damaged.body = u"中国法律资源"_s;
    writeContentFile(tree, 2005, 6, {damaged.text()});
    const ToolRun bad = runTool(tree, {u"law"_s, u"show"_s, u"--row"_s, u"2005-06-01  (有效)损"_s});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, u"文件已损坏！\n"_s);
    EXPECT_EQ(runTool(tree, {u"law"_s, u"show"_s}).exitCode, 2);
}
