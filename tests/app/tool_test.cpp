#include "support/install_tree.h"
#include "support/tool_run.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(ToolRecordCat, PrintsEachRecordOnOneLine)
{
    InstallTree tree;
    tree.writeBytes(InstallTree::install(u"lawbase\\Index.txt"_s),
                    "\"\xD6\xD0\xBB\xAA\xC8\xCB\xC3\xF1\xB9\xB2\xBA\xCD\xB9\xFA\","
                    "\"1999-03-15\",12,1.5,,\"a\tb\\c\r\nd\"\r\n"
                    "#TRUE#,\"\"\r\n");
    const ToolRun r = runTool({u"--root"_s, tree.root(), u"record"_s, u"cat"_s,
                               u"c:\\PROGRAM FILES\\quorix\\lawbase\\index.txt"_s});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, u"中华人民共和国\t1999-03-15\t12\t1.5\t\ta\\tb\\\\c\\r\\nd\n#TRUE#\t\n"_s);
    EXPECT_TRUE(r.err.isEmpty());

    // A host path works too, and the root may come from the environment.
    const ToolRun host = runTool(
        {u"record"_s, u"cat"_s, tree.hostPath(InstallTree::install(u"lawbase\\index.txt"_s))},
        {u"VERIDANE_ROOT="_s + tree.root()});
    EXPECT_EQ(host.exitCode, 0);
    EXPECT_EQ(host.out, r.out);
}

TEST(ToolRecordCat, MissingFileIsOneLineAndStatusOne)
{
    InstallTree tree;
    const ToolRun r =
        runTool({u"--root"_s, tree.root(), u"record"_s, u"cat"_s, u"c:\\nothing.txt"_s});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err.count(u'\n'), 1);
    EXPECT_TRUE(r.err.contains(u"nothing.txt"_s));
}

TEST(ToolPath, PrintsTheHostPath)
{
    InstallTree tree;
    tree.writeRecords(InstallTree::install(u"sounds\\SoundEffects.txt"_s), {{1}});
    const ToolRun r = runTool({u"path"_s, u"c:\\program files\\quorix\\sounds\\soundeffects.txt"_s,
                               u"--root"_s, tree.root()});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, tree.root() + u"/program files/quorix/sounds/SoundEffects.txt\n"_s);

    const ToolRun d =
        runTool({u"--root="_s + tree.root(), u"path"_s, u"d:\\clients\\clients.txt"_s},
                {u"VERIDANE_DRIVES=d=/media/backup"_s});
    EXPECT_EQ(d.exitCode, 0);
    EXPECT_EQ(d.out, u"/media/backup/clients/clients.txt\n"_s);

    const ToolRun unknown = runTool({u"--root"_s, tree.root(), u"path"_s, u"q:\\x"_s});
    EXPECT_EQ(unknown.exitCode, 1);
}

TEST(ToolUsage, HelpAndWrongCommandLines)
{
    const ToolRun help = runTool({u"--help"_s});
    EXPECT_EQ(help.exitCode, 0);
    for (const QString &word : {u"record cat"_s, u"path"_s, u"--root"_s, u"--today"_s})
        EXPECT_TRUE(help.out.contains(word)) << word.toStdString();

    const ToolRun commandHelp = runTool({u"record"_s, u"cat"_s, u"--help"_s});
    EXPECT_EQ(commandHelp.exitCode, 0);
    EXPECT_TRUE(commandHelp.out.startsWith(u"用法: veridane-tool record cat PATH"_s));

    const struct {
        QStringList args;
    } wrong[] = {
        {{}},
        {{u"frobnicate"_s}},
        {{u"record"_s}},
        {{u"record"_s, u"cat"_s}},
        {{u"record"_s, u"cat"_s, u"a"_s, u"b"_s}},
        {{u"path"_s}},
        {{u"--root"_s}},
        {{u"--today"_s, u"2026-13-01"_s, u"path"_s, u"c:\\"_s}},
    };
    for (const auto &w : wrong) {
        const ToolRun r = runTool(w.args);
        EXPECT_EQ(r.exitCode, 2) << w.args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(u"用法"_s)) << w.args.join(u' ').toStdString();
    }
}

TEST(ToolMakeDemo, WritesTheInstallTree)
{
    InstallTree tree;
    const QString root = tree.root() + u"/fresh"_s;
    const ToolRun r = runTool(
        {u"--root"_s, root, u"--today"_s, u"2001-02-03"_s, u"make-demo"_s, u"--laws"_s, u"50"_s});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty());
    EXPECT_EQ(r.out.count(u'\n'), 1);
    EXPECT_TRUE(r.out.contains(u"50 篇"_s)) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(u"帮助 写入"_s)) << r.out.toStdString();
    for (const QString &folder :
         {u"/program files/quorix/clients"_s, u"/program files/quorix/lawbase"_s,
          u"/program files/quorix/YellowPage"_s, u"/program files/quorix/objpics"_s,
          u"/program files/common files/lab"_s})
        EXPECT_TRUE(QFileInfo(root + folder).isDir()) << folder.toStdString();
    EXPECT_TRUE(QFileInfo(root + u"/program files/quorix/help/helplist.txt"_s).size() > 0);
    for (const QString &picture : {u"exit1.jpg"_s, u"word0.ico"_s, u"Telecom.ico"_s,
                                   u"loadphoto.jpg"_s, u"background.jpg"_s})
        EXPECT_TRUE(QFileInfo(root + u"/program files/quorix/objpics/"_s + picture).size() > 0)
            << picture.toStdString();

    // The newest law is dated no later than the tool's today.
    const ToolRun index = runTool({u"--root"_s, root, u"record"_s, u"cat"_s,
                                   u"c:\\program files\\quorix\\lawbase\\index.txt"_s});
    ASSERT_EQ(index.exitCode, 0);
    EXPECT_EQ(index.out.count(u'\n'), 50);
    const QString newest = index.out.section(u'\n', 0, 0).section(u'\t', 1, 1);
    EXPECT_TRUE(newest.startsWith(u"2001-0"_s)) << newest.toStdString();
    EXPECT_LE(newest, u"2001-02-03"_s);
}

TEST(ToolMakeDemo, KeepsWhatIsThereUnlessForced)
{
    InstallTree tree;
    const QStringList day = {u"--today"_s, u"2024-06-15"_s};
    ASSERT_EQ(runTool(tree, day + QStringList{u"make-demo"_s, u"--laws"_s, u"30"_s}).exitCode, 0);
    const auto first = tree.snapshot();

    const ToolRun again = runTool(tree, {u"make-demo"_s, u"--laws"_s, u"60"_s});
    EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_EQ(again.out.count(u'\n'), 1);
    EXPECT_TRUE(again.out.contains(u"保留"_s)) << again.out.toStdString();
    EXPECT_TRUE(tree.snapshot() == first);

    const QString exit1 = InstallTree::install(u"objpics\\exit1.jpg"_s);
    tree.writeBytes(exit1, "edited");
    const ToolRun forced =
        runTool(tree, day + QStringList{u"make-demo"_s, u"--laws"_s, u"30"_s, u"--force"_s});
    EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
    EXPECT_TRUE(tree.snapshot() == first); // the same options give the same files
}

TEST(ToolMakeDemo, WrongCommandLinesAreUsageErrorsAndWriteNothing)
{
    const QStringList wrong[] = {
        {u"--laws"_s},          {u"--laws"_s, u"many"_s},
        {u"--laws"_s, u"-1"_s}, {u"--laws"_s, u"180001"_s},
        {u"--seed"_s, u"x"_s},  {u"--fast"_s},
        {u"extra"_s},
    };
    for (const QStringList &args : wrong) {
        InstallTree tree;
        const auto before = tree.snapshot();
        const ToolRun r = runTool(tree, QStringList{u"make-demo"_s} + args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(u"用法"_s)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(tree.snapshot() == before);
    }

    const ToolRun help = runTool({u"make-demo"_s, u"--help"_s});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(u"用法: veridane-tool make-demo [--laws N]"_s))
        << help.out.toStdString();
}

TEST(ToolMakeDemo, AFileInTheWayFailsWithOneLine)
{
    InstallTree tree;
    tree.writeBytes(InstallTree::install(u"objpics"_s), "in the way");
    const ToolRun r = runTool(tree, {u"make-demo"_s, u"--laws"_s, u"10"_s});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err.count(u'\n'), 1);
    EXPECT_TRUE(r.err.startsWith(u"veridane-tool: "_s)) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(u"objpics"_s)) << r.err.toStdString();
    EXPECT_EQ(tree.readBytes(InstallTree::install(u"objpics"_s)), "in the way");
}
