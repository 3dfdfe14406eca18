#include "core/foundation/gbk.h"
#include "support/install_tree.h"
#include "support/tool_run.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void writeHostFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

QString source(const QString &title, const QString &issuer, const QString &date,
               const QString &body)
{
    return u"【标    题】 "_s + title + u"\n【颁布单位】 "_s + issuer + u"\n【颁布日期】 "_s +
           date + u"\n【实施日期】 "_s + date + u"\n【有 效 性】 有效\n"_s + body + u"\n"_s;
}

QStringList lines(const QString &out)
{
    return out.split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

TEST(LawImportTool, ImportedDocumentsCanBeBrowsedSearchedAndOpened)
{
    InstallTree tree;
    QTemporaryDir sources;
    const QString dir = sources.path();
    writeHostFile(
        dir + u"/甲.txt"_s,
        source(u"示例管理条例"_s, u"国务院"_s, u"2003-4-1"_s, u"第一条 为了示例。"_s).toUtf8());
    writeHostFile(dir + u"/下级/乙.txt"_s, Gbk::encode(source(u"关于外商投资的通知"_s, u"商务部"_s,
                                                              QString(), u"一、示例通知。"_s)));
    writeHostFile(dir + u"/下级/坏.txt"_s, "hello\n");

    const ToolRun imported = runTool(tree, {u"law"_s, u"import"_s, dir});
    EXPECT_EQ(imported.exitCode, 1); // one file was not imported
    EXPECT_TRUE(imported.err.contains(u"坏.txt"_s)) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.contains(u"已导入 2 篇"_s)) << imported.out.toStdString();

    const QStringList all = {u"2003-04-01  (有效)示例管理条例"_s,
                             u"0000-00-00  (有效)关于外商投资的通知"_s};
    const ToolRun browsed =
        runTool(tree, {u"law"_s, u"browse"_s, u"--year"_s, u"2026"_s, u"--mode"_s, u"before"_s});
    EXPECT_EQ(browsed.exitCode, 0) << browsed.err.toStdString();
    EXPECT_EQ(lines(browsed.out), all);

    const ToolRun found = runTool(tree, {u"law"_s, u"fulltext"_s, u"--year"_s, u"2026"_s,
                                         u"--mode"_s, u"before"_s, u"--keywords"_s, u"示例"_s});
    EXPECT_EQ(found.exitCode, 0) << found.err.toStdString();
    EXPECT_EQ(lines(found.out), all);

    for (const QString &row : all) {
        const ToolRun shown = runTool(tree, {u"law"_s, u"show"_s, u"--row"_s, row});
        EXPECT_EQ(shown.exitCode, 0) << row.toStdString() << shown.err.toStdString();
        EXPECT_TRUE(shown.out.startsWith(u"【标    题】 "_s + row.sliced(row.indexOf(u')') + 1)))
            << shown.out.toStdString();
    }

    // The same title and date again: replaced, not added.
    writeHostFile(
        dir + u"/新.txt"_s,
        source(u"示例管理条例"_s, u"国务院"_s, u"2003年4月1日"_s, u"第一条 新文本。"_s).toUtf8());
    const ToolRun again = runTool(tree, {u"law"_s, u"import"_s, dir + u"/新.txt"_s});
    EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
    const ToolRun stats = runTool(tree, {u"law"_s, u"stats"_s});
    EXPECT_TRUE(stats.out.startsWith(u"records 2\n"_s)) << stats.out.toStdString();
    const ToolRun shown = runTool(tree, {u"law"_s, u"show"_s, u"--row"_s, all[0]});
    EXPECT_TRUE(shown.out.contains(u"新文本"_s)) << shown.out.toStdString();
}

TEST(LawImportTool, MakeDemoWritesADatabaseTheOtherCommandsRead)
{
    InstallTree tree;
    const QStringList today = {u"--today"_s, u"2024-06-15"_s};
    const ToolRun made =
        runTool(tree, today + QStringList{u"law"_s, u"make-demo"_s, u"--laws"_s, u"300"_s});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_TRUE(made.out.startsWith(u"已写入 300 篇"_s)) << made.out.toStdString();

    const ToolRun stats = runTool(tree, {u"law"_s, u"stats"_s});
    EXPECT_TRUE(stats.out.startsWith(u"records 300\n"_s)) << stats.out.toStdString();
    const ToolRun browsed =
        runTool(tree, {u"law"_s, u"browse"_s, u"--year"_s, u"2024"_s, u"--mode"_s, u"before"_s});
    const QStringList rows = lines(browsed.out);
    EXPECT_EQ(rows.size(), 300);
    for (const QString &row : {rows.first(), rows.last()}) {
        const ToolRun shown = runTool(tree, {u"law"_s, u"show"_s, u"--row"_s, row});
        EXPECT_EQ(shown.exitCode, 0) << row.toStdString() << shown.err.toStdString();
    }

    // A second run keeps the database unless told otherwise.
    const QByteArray index = tree.readBytes(u"c:\\program files\\quorix\\lawbase\\index.txt"_s);
    const ToolRun refused =
        runTool(tree, today + QStringList{u"law"_s, u"make-demo"_s, u"--laws"_s, u"20"_s});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_FALSE(refused.err.isEmpty());
    EXPECT_EQ(tree.readBytes(u"c:\\program files\\quorix\\lawbase\\index.txt"_s), index);
}

TEST(LawImportTool, UsageErrors)
{
    InstallTree tree;
    const QList<QStringList> wrong = {
        {u"law"_s, u"import"_s},
        {u"law"_s, u"import"_s, u"--bogus"_s, u"x"_s},
        {u"law"_s, u"make-demo"_s},
        {u"law"_s, u"make-demo"_s, u"--laws"_s, u"0"_s},
        {u"law"_s, u"make-demo"_s, u"--laws"_s, u"180001"_s},
        {u"law"_s, u"make-demo"_s, u"--laws"_s, u"10"_s, u"--seed"_s, u"-1"_s},
    };
    for (const QStringList &args : wrong) {
        const ToolRun r = runTool(tree, args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(u"用法"_s)) << args.join(u' ').toStdString();
    }
}
