#include "core/directory/comcodes.h"
#include "support/install_tree.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

Record rec(const QString &name, const QString &code, const QString &cls, const QString &prefix = {})
{
    return {name, prefix, code, cls};
}

// A small directory: every category, keywords in other letter cases, a
// record without a class, and records in two categories at once.
QList<Record> sample()
{
    return {
        rec(u"南京市"_s, u"025"_s, u"DD电话区号：江苏省"_s),
        rec(u"苏州市"_s, u"0512"_s, u"dd电话区号：江苏省"_s),
        rec(u"北京市"_s, u"010"_s, u"DD电话区号：北京市"_s),
        rec(u"匪警"_s, u"110"_s, u"求助电话：紧急求助"_s),
        rec(u"法律援助"_s, u"12348"_s, u"求助电话：司法服务 法律机构：司法行政"_s),
        rec(u"南京市"_s, u"210000"_s, u"ZIP邮政编码：江苏省"_s),
        rec(u"新华网"_s, u"http://www.news.cn"_s, u"常用网站：新闻\\通讯社"_s),
        rec(u"中国法院网"_s, u"https://www.chinacourt.org"_s, u"常用网站：法律\\法院"_s),
        rec(u"IT之家"_s, u"http://www.ithome.com"_s, u"常用网站：IT\\资讯"_s),
        rec(u"最高人民法院"_s, u"北京市东城区东交民巷27号"_s, u"法律机构：法院"_s),
        rec(u"中华人民共和国司法部"_s, u"http://www.moj.gov.cn"_s, u"政府机构：国务院组成部门"_s),
        rec(u"铁路客服"_s, u"12306"_s, u"旅行服务：铁路"_s),
        rec(u"没有类别的记录"_s, u"0000"_s, u""_s),
    };
}

QStringList names(const ComCodesResult &r)
{
    QStringList out;
    for (const ClientListRow &row : r.ListBuffer)
        out.append(row.columns[0] + row.columns[1]);
    return out;
}

ComCodesQuery query(int category, const QString &typed = {}, const QString &subclass = u"全部"_s)
{
    ComCodesQuery q;
    q.Category = category;
    q.keyword = directoryCategoryKeyword(category, directoryCategoryCaptions()[category - 1]);
    q.keyWords = UKeyWordsSet(typed);
    q.keywordBoxBlank = typed.trimmed().isEmpty();
    q.subclass = subclass;
    return q;
}

} // namespace

TEST(FindComCodes, EachCategoryWithAndWithoutKeywords)
{
    InstallTree tree;
    tree.writeRecords(comCodesPath(), sample());
    const struct {
        int category;
        QString typed;
        QStringList names;
    } cases[] = {
        {1, {}, {u"南京市"_s, u"苏州市"_s, u"北京市"_s}},
        {1, u"江苏"_s, {u"南京市"_s, u"苏州市"_s}},
        {1, u"南京 025"_s, {u"南京市"_s}},
        {1, u"市0"_s, {u"南京市"_s, u"苏州市"_s, u"北京市"_s}}, // across name and code
        {2, {}, {u"匪警"_s, u"法律援助"_s}},
        {3, {}, {u"南京市"_s}},
        {3, u"210000"_s, {u"南京市"_s}},
        {4, {}, {u"新华网"_s, u"中国法院网"_s, u"IT之家"_s}},
        {4, u"http"_s, {u"新华网"_s, u"中国法院网"_s, u"IT之家"_s}},
        {5, {}, {u"法律援助"_s, u"最高人民法院"_s}},
        {6, {}, {u"中华人民共和国司法部"_s}},
        {7, u"12306"_s, {u"铁路客服"_s}},
        {8, {}, {}},
        {10,
         {},
         {u"南京市"_s, u"苏州市"_s, u"北京市"_s, u"匪警"_s, u"法律援助"_s, u"南京市"_s, u"新华网"_s,
          u"中国法院网"_s, u"IT之家"_s, u"最高人民法院"_s, u"中华人民共和国司法部"_s,
          u"铁路客服"_s}},
        {10, u"南京"_s, {u"南京市"_s, u"南京市"_s}},
        {10, u"没有类别"_s, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.category << " " << c.typed.toStdString());
        const ComCodesResult r = FindComCodes(tree.files(), query(c.category, c.typed));
        EXPECT_EQ(names(r), c.names);
        EXPECT_EQ(r.RelevantRecords, c.names.size());
        EXPECT_EQ(r.TotalRecords, 13);
    }
}

TEST(FindComCodes, TheBufferRowsHoldPrefixNameCodeAndClass)
{
    InstallTree tree;
    tree.writeRecords(comCodesPath(),
                      {rec(u"上海市"_s, u"021"_s, u"DD电话区号：上海市"_s, u"★"_s)});
    const ComCodesResult r = FindComCodes(tree.files(), query(1));
    ASSERT_EQ(r.ListBuffer.size(), 1);
    const ClientListRow &row = r.ListBuffer[0];
    EXPECT_EQ(row.columns[0], u"★"_s);
    EXPECT_EQ(row.columns[1], u"上海市"_s);
    EXPECT_EQ(row.columns[2], u"021"_s);
    EXPECT_EQ(row.columns[3], u"DD电话区号：上海市"_s);
}

TEST(FindComCodes, TheWebsiteSubclassFiltersCategoryFourOnly)
{
    InstallTree tree;
    tree.writeRecords(comCodesPath(), sample());
    const struct {
        int category;
        QString subclass;
        QStringList names;
    } cases[] = {
        {4, u"法律"_s, {u"中国法院网"_s}},
        {4, u"新闻"_s, {u"新华网"_s}},
        {4, u"it"_s, {}}, // the sub-class is compared with letter case
        {4, u"全部"_s, {u"新华网"_s, u"中国法院网"_s, u"IT之家"_s}},
        {4,
         u"2026"_s,
         {u"新华网"_s, u"中国法院网"_s, u"IT之家"_s}}, // a year left by the law module
        {5, u"新闻"_s, {u"法律援助"_s, u"最高人民法院"_s}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.subclass.toStdString());
        EXPECT_EQ(names(FindComCodes(tree.files(), query(c.category, {}, c.subclass))), c.names);
    }
}

TEST(FindComCodes, UserCategoriesSearchTheirOwnNames)
{
    InstallTree tree;
    tree.writeRecords(comCodesPath(), {rec(u"金陵律师事务所"_s, u"025-8000"_s, u"同行律所：南京"_s),
                                       rec(u"其他记录"_s, u"1"_s, u"其他"_s)});
    ComCodesQuery q = query(5);
    q.keyword = directoryCategoryKeyword(5, u"5.同行律所"_s);
    EXPECT_EQ(names(FindComCodes(tree.files(), q)), QStringList{u"金陵律师事务所"_s});
    EXPECT_EQ(names(FindComCodes(tree.files(), query(9))), QStringList{u"其他记录"_s});
}

TEST(FindComCodes, EmptyMissingAndDamagedFiles)
{
    InstallTree tree;
    ComCodesResult r = FindComCodes(tree.files(), query(10));
    EXPECT_EQ(r.TotalRecords, 0);
    EXPECT_EQ(r.RelevantRecords, 0);

    tree.writeBytes(comCodesPath(), {});
    r = FindComCodes(tree.files(), query(10));
    EXPECT_EQ(r.TotalRecords, 0);
    EXPECT_TRUE(r.ListBuffer.isEmpty());

    // A record cut off by the end of the file ends the scan; what came before stands.
    tree.writeBytes(comCodesPath(), "\"A\",\"\",\"1\",\"DD\"\r\n\"B\",\"\",\"2\"");
    r = FindComCodes(tree.files(), query(1));
    EXPECT_EQ(r.TotalRecords, 1);
    EXPECT_EQ(names(r), QStringList{u"A"_s});
}

TEST(FindComCodes, StopsAtTwentyThousandMatches)
{
    InstallTree tree;
    QList<Record> many;
    for (int i = 0; i < DirectoryBufferRows + 5; ++i)
        many.append(rec(u"城市"_s + QString::number(i), u"0"_s, u"DD"_s));
    tree.writeRecords(comCodesPath(), many);
    const ComCodesResult r = FindComCodes(tree.files(), query(1));
    EXPECT_EQ(r.RelevantRecords, DirectoryBufferRows);
    EXPECT_EQ(r.ListBuffer.back().columns[1], u"城市19999"_s);
}

TEST(ClassVNames, ReadsUpToFiveNames)
{
    InstallTree tree;
    EXPECT_FALSE(ClassVNames(tree.files()));
    const QString path = directoryFolder() + u"classv.txt"_s;
    tree.writeBytes(path, "\"AB\",\"CD\",\"\",\"E\"\r\n");
    EXPECT_EQ(ClassVNames(tree.files()), (QStringList{u"AB"_s, u"CD"_s, u""_s, u"E"_s}));
    tree.writeBytes(path, "\"1\",\"2\",\"3\",\"4\",\"5\",\"6\"\r\n");
    EXPECT_EQ(ClassVNames(tree.files())->size(), 5);
}
