#include "core/directory/comcodes.h"
#include "support/install_tree.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(DirectoryTool, FindPrintsTheListBufferInFileOrder)
{
    InstallTree tree;
    tree.writeRecords(
        comCodesPath(),
        {{u"南京市"_s, u""_s, u"025"_s, u"DD电话区号：江苏省"_s},
         {u"匪警"_s, u""_s, u"110"_s, u"求助电话：紧急求助"_s},
         {u"中国法院网"_s, u""_s, u"https://www.chinacourt.org"_s, u"常用网站：法律\\法院"_s},
         {u"新华网"_s, u""_s, u"http://www.news.cn"_s, u"常用网站：新闻\\通讯社"_s},
         {u"金陵律师事务所"_s, u" "_s, u"025-1"_s, u"同行：南京"_s}});
    tree.writeRecords(directoryFolder() + u"ClassV.txt"_s, {{u"同行"_s}});
    const struct {
        QStringList args;
        QString out;
    } cases[] = {
        {{u"--category"_s, u"1"_s}, u"南京市\t025\tDD电话区号：江苏省\n"_s},
        {{u"--category=2"_s}, u"匪警\t110\t求助电话：紧急求助\n"_s},
        {{u"--category"_s, u"4"_s, u"--subclass"_s, u"法律"_s},
         u"中国法院网\thttps://www.chinacourt.org\t常用网站：法律\\法院\n"_s},
        {{u"--category"_s, u"4"_s, u"--keywords"_s, u"news"_s},
         u"新华网\thttp://www.news.cn\t常用网站：新闻\\通讯社\n"_s},
        {{u"--category"_s, u"5"_s}, u"金陵律师事务所\t025-1\t同行：南京\n"_s},
        {{u"--keywords"_s, u"０２５"_s},
         u"南京市\t025\tDD电话区号：江苏省\n金陵律师事务所\t025-1\t同行：南京\n"_s},
        {{u"--category"_s, u"3"_s}, u""_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const ToolRun run = runTool(tree, QStringList{u"directory"_s, u"find"_s} + c.args);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, c.out);
    }
    const ToolRun bad = runTool(tree, {u"directory"_s, u"find"_s, u"--category"_s, u"11"_s});
    EXPECT_EQ(bad.exitCode, 2);
}
