#include "core/lawdb/gov_urls.h"
#include "support/install_tree.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString law(const QString &title, const QString &issuer)
{
    return title + u"\r\n【颁布单位】"_s + issuer + u"\r\n【颁布日期】2024-01-01\r\n【正文】……"_s;
}

QStringList urls(const GovUrlSearch &s)
{
    QStringList out;
    for (const GovSite &site : s.sites)
        out.append(site.url);
    return out;
}

class GovUrlsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tree.writeRecords(
            govUrlsPath(),
            {{u"省级政府"_s, u"江苏省人民政府"_s, u"http://www.jiangsu.gov.cn"_s, u""_s},
             {u"省级部门"_s, u"江苏省教育厅"_s, u"http://jyt.jiangsu.gov.cn"_s, u""_s},
             {u"国务院部门"_s, u"中华人民共和国教育部"_s, u"http://www.moe.gov.cn"_s, u""_s},
             {u"国务院部门"_s, u"教育部"_s, u"http://www.moe.gov.cn"_s, u""_s},
             {u"国务院部门"_s, u"中华人民共和国财政部"_s, u"http://www.mof.gov.cn"_s, u""_s}});
        tree.writeRecords(placesPath(), {{u"北京"_s}, {u"江苏"_s}});
        tree.writeRecords(sectorsPath(), {{u"人民政府"_s}, {u"教育"_s}});
    }
    InstallTree tree;
};

} // namespace

TEST_F(GovUrlsTest, APlaceAndASectorPickTheProvincesSites)
{
    const GovUrlSearch s =
        ToURLGov(tree.files(), law(u"江苏省教育厅关于中小学教育的通知"_s, u"江苏省教育厅"_s));
    EXPECT_EQ(s.outcome, GovUrlSearch::Outcome::Found);
    EXPECT_EQ(urls(s), QStringList{u"http://jyt.jiangsu.gov.cn"_s});

    const GovUrlSearch both =
        ToURLGov(tree.files(), law(u"江苏省人民政府关于教育的决定"_s, u"江苏省人民政府"_s));
    EXPECT_EQ(urls(both),
              (QStringList{u"http://www.jiangsu.gov.cn"_s, u"http://jyt.jiangsu.gov.cn"_s}))
        << "longest body names first";
}

TEST_F(GovUrlsTest, WithoutAPlaceTheIssuingBodyIsLookedUp)
{
    const GovUrlSearch s =
        ToURLGov(tree.files(), law(u"关于学位授予的规定"_s, u"中华人民共和国教育部"_s));
    EXPECT_EQ(s.outcome, GovUrlSearch::Outcome::Found);
    EXPECT_EQ(urls(s), QStringList{u"http://www.moe.gov.cn"_s}) << "one address, asked once";
    ASSERT_EQ(s.sites.size(), 1);
    EXPECT_EQ(s.sites[0].body, u"中华人民共和国教育部"_s);

    EXPECT_EQ(ToURLGov(tree.files(), law(u"某条例"_s, u"某某协会"_s)).outcome,
              GovUrlSearch::Outcome::NothingFound);
}

TEST_F(GovUrlsTest, MissingTablesAndNoDocument)
{
    EXPECT_EQ(ToURLGov(tree.files(), u"没有文件头的文字"_s).outcome,
              GovUrlSearch::Outcome::NoDocument);
    const struct {
        QString path;
        GovUrlSearch::Outcome outcome;
    } cases[] = {{sectorsPath(), GovUrlSearch::Outcome::NoSectors},
                 {placesPath(), GovUrlSearch::Outcome::NoPlaces},
                 {govUrlsPath(), GovUrlSearch::Outcome::NoUrlTable}};
    for (const auto &c : cases) {
        QFile::remove(tree.hostPath(c.path));
        EXPECT_EQ(ToURLGov(tree.files(), law(u"江苏省"_s, u"江苏省人民政府"_s)).outcome, c.outcome);
    }
}

TEST_F(GovUrlsTest, ManyPassesStayWithinTheTable)
{
    // Twelve places named in the title. The first record names them all, so
    // that every pass takes it once more after the first pass took ten:
    // twenty-one entries for a table of twenty, and one question per address.
    QList<Record> sites;
    QList<Record> places;
    QString title;
    for (int p = 0; p < 12; ++p) {
        const QString place = u"地"_s + QChar(u'A' + p);
        places.append({place});
        title += place;
    }
    sites.append({u"g"_s, title + u"人民政府"_s, u"http://all.cn"_s, u""_s});
    for (int p = 0; p < 12; ++p) {
        const QString place = places[p].front().toText();
        for (int j = 0; j < 10; ++j)
            sites.append({u"g"_s, place + u"人民政府"_s + QString::number(j),
                          u"http://"_s + place + QString::number(j) + u".cn"_s, u""_s});
    }
    tree.writeRecords(govUrlsPath(), sites);
    tree.writeRecords(placesPath(), places);
    const GovUrlSearch s = ToURLGov(tree.files(), law(title + u"人民政府"_s, u"x"_s));
    ASSERT_EQ(s.sites.size(), 10);
    EXPECT_EQ(s.sites[0].url, u"http://all.cn"_s);
    EXPECT_EQ(s.sites[9].url, u"http://地A8.cn"_s);
}
