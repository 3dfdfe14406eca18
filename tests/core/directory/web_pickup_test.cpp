#include "core/directory/comcodes.h"
#include "core/directory/web_pickup.h"
#include "support/install_tree.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(URLPickup, FindsAndNormalisesTheFirstAddress)
{
    const struct {
        QString text;
        std::optional<QString> address;
    } cases[] = {
        {u"【正文】详见http://www.gov.cn/zhengce，自发布之日起施行。"_s,
         u"http://www.gov.cn/zhengce"_s},
        {u"网址：http：//www.court.gov.cn 查询"_s, u"http://www.court.gov.cn"_s},
        {u"见 www．moj．gov．cn。"_s, u"http://www.moj.gov.cn"_s},
        {u"HTTPS://WWW.NPC.GOV.CN/npc"_s, u"http://WWW.NPC.GOV.CN/npc"_s},
        {u"https://www.spp.gov.cn 12309热线"_s, u"http://www.spp.gov.cn 12309"_s},
        {u"先见 www.a.cn 再见 http://b.cn/x"_s, u"http://b.cn/x"_s},
        {u"到文末 http://c.cn/end"_s, u"http://c.cn/end"_s},
        {u"http"_s, u"http://http"_s},
        {u"没有网址的文本"_s, std::nullopt},
        {QString(), std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(URLPickup(c.text), c.address);
    }
    EXPECT_EQ(websiteBoxText(u"http://a.cn"_s), u"官方网址: http://a.cn"_s);
}

TEST(FilterURL, ReplacesEverythingUpToTheSecondSlash)
{
    const struct {
        QString in;
        QString out;
    } cases[] = {
        {u"https://a.cn/b"_s, u"http://a.cn/b"_s},
        {u"ftp://x.cn"_s, u"http://x.cn"_s},
        {u" a.cn "_s, u"http://a.cn"_s},
        {u"a.cn/b"_s, u"http://a.cn/b"_s}, // one slash: the whole address
        {u"http://a．b．cn"_s, u"http://a.b.cn"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FilterURL(c.in), c.out) << c.in.toStdString();
}

TEST(EmailPickup, CollectsEveryAddressBetweenItsDelimiters)
{
    const struct {
        QString text;
        QString box;
    } cases[] = {
        {u"联系 li@a.cn wang@b.cn"_s, u"Email:li@a.cn,wang@b.cn"_s},
        {u"邮箱：zhou@firm.cn；电话"_s, u"Email:zhou@firm.cn"_s},
        {u"发至x@y.cn。然后回复"_s, u"Email:发至x@y.cn。然后回复"_s},
        {u"见。x@y.cn。然后回复\r\n下一行"_s, u"Email:x@y.cn。然后回复"_s},
        {u"a@b(备用)"_s, u"Email:a@b"_s},
        {u"a@b a@b"_s, u"Email:a@b,a@b"_s},
        {u"@"_s, u"Email:@"_s},
        {u"没有地址"_s, u"Email:"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(EmailPickup(c.text, true), c.box) << c.text.toStdString();
    EXPECT_EQ(EmailPickup(u"li@a.cn"_s, false), u"Email:"_s) << "the directory collects nothing";
}

TEST(WebSites, TheAddressPartAndTheName)
{
    EXPECT_EQ(webAddressFrom(u"官方网址: http://a.cn"_s), u"http://a.cn"_s);
    EXPECT_EQ(webAddressFrom(u"HTTP://A.CN"_s), u"HTTP://A.CN"_s);
    EXPECT_EQ(webAddressFrom(u"010-12345"_s), QString());
    EXPECT_EQ(websiteName(u"2003-08-22  (有效)  某某条例 "_s), u"某某条例"_s);
    EXPECT_EQ(websiteName(u"  没有括号的标题 "_s), u"没有括号的标题"_s);
}

TEST(AddNewURL, AddsAWebsiteOnceByName)
{
    InstallTree tree;
    tree.writeRecords(comCodesPath(), {{u" 已有网站 "_s, u""_s, u"http://old.cn"_s, u"x"_s}});
    bool added = false;
    ASSERT_TRUE(
        AddNewURL(tree.files(), u"官方网址: http://new.cn"_s, u"某某条例"_s, 2, {}, &added));
    EXPECT_TRUE(added);
    ASSERT_TRUE(AddNewURL(tree.files(), u"http://new.cn/2"_s, u"某某条例"_s, 2, {}, &added));
    EXPECT_FALSE(added) << "the same name again";
    ASSERT_TRUE(AddNewURL(tree.files(), u"http://x.cn"_s, u"已有网站"_s, 2, {}, &added));
    EXPECT_FALSE(added) << "a record of the name, letter case and blanks aside";
    ASSERT_TRUE(AddNewURL(tree.files(), u"http://c.cn"_s, u"客户网站"_s, 1, u"华信科技"_s, &added));
    ASSERT_TRUE(AddNewURL(tree.files(), u"http://d.cn"_s, u""_s, 2, {}, &added));
    EXPECT_FALSE(added) << "no name, no record";

    auto reader = tree.files().openForReading(comCodesPath());
    ASSERT_TRUE(reader);
    QList<QStringList> rows;
    while (!reader->atEnd()) {
        QString a, b, c, d;
        ASSERT_TRUE(reader->readFields(a, b, c, d));
        rows.append({a, b, c, d});
    }
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[1], (QStringList{u"某某条例"_s, u""_s, u"http://new.cn"_s,
                                    u"常用网站：法律\\Veridane相关"_s}));
    EXPECT_EQ(rows[2][3], u"常用网站：我的Web网址\\华信科技"_s);
}

TEST(AddNewURL, CreatesTheDirectoryWhenMissing)
{
    InstallTree tree;
    bool added = false;
    ASSERT_TRUE(AddNewURL(tree.files(), u"http://a.cn"_s, u"甲"_s, 2, {}, &added));
    EXPECT_TRUE(added);
    EXPECT_TRUE(tree.files().exists(comCodesPath()));
}
