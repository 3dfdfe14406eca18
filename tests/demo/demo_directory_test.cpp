#include "core/directory/comcodes.h"
#include "core/lawdb/gov_urls.h"
#include "core/lawdb/keywords.h"
#include "demo/demo_directory.h"
#include "support/install_tree.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Every record of a file, each field as its text.
QList<QStringList> readAll(const RecordFile &files, const QString &path)
{
    QList<QStringList> records;
    auto reader = files.openForReading(path);
    EXPECT_TRUE(reader.has_value()) << path.toStdString();
    while (reader && !reader->atEnd()) {
        const std::optional<Record> record = reader->readRecord();
        if (!record)
            break;
        QStringList fields;
        for (const RecordValue &v : *record)
            fields.append(v.toText());
        records.append(fields);
    }
    return records;
}

ComCodesResult query(const RecordFile &files, int category, const QString &words = {},
                     const QString &subclass = u"全部"_s)
{
    ComCodesQuery q;
    q.Category = category;
    q.keyword = directoryCategoryKeyword(category, directoryCategoryCaptions().value(category - 1));
    q.keyWords = UKeyWordsSet(words);
    q.keywordBoxBlank = words.trimmed().isEmpty();
    q.subclass = subclass;
    return FindComCodes(files, q);
}

// A law text as the pane shows it.
QString law(const QString &title, const QString &issuer)
{
    return title + u"\r\n【颁布单位】"_s + issuer + u"\r\n【颁布日期】2024-01-01\r\n【正文】……"_s;
}

class DemoDirectoryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const DemoDirectoryResult r = writeDemoDirectory(tree.drives(), false);
        ASSERT_TRUE(r.ok()) << r.failure.toStdString();
        ASSERT_EQ(r.written, 4);
    }
    InstallTree tree;
};

} // namespace

TEST_F(DemoDirectoryTest, EveryRecordIsCleanAndInOneCategoryWithACodeOfItsKind)
{
    // The categories by the keyword of their button, each with the form of
    // its codes.
    const struct {
        QString keyword;
        QRegularExpression code;
    } kinds[] = {
        {u"DD"_s, QRegularExpression(u"^0[1-9][0-9]{1,2}$|^00[1-9][0-9]{0,2}$"_s)},
        {u"求助"_s, QRegularExpression(u"^[0-9]{3,5}$"_s)},
        {u"ZIP"_s, QRegularExpression(u"^[0-9]{6}$"_s)},
        {u"网站"_s, QRegularExpression(u"^https?://[a-z0-9.-]+\\.[a-z]+(/[a-z-]*)?$"_s)},
        {u"法律机构"_s, QRegularExpression(u"^(https?://[a-z0-9.-]+|[0-9]{5}|.+号)$"_s)},
        {u"政府机构"_s, QRegularExpression(u"^https?://[a-z0-9.-]+$"_s)},
        {u"旅行服务"_s, QRegularExpression(u"^[0-9]{5}$|^\\+86-10-[0-9]{5}$"_s)},
    };
    const QList<QStringList> records = readAll(tree.files(), comCodesPath());
    QMap<QString, int> perKind;
    for (const QStringList &r : records) {
        ASSERT_EQ(r.size(), 4) << r.join(u'|').toStdString();
        EXPECT_FALSE(r[0].isEmpty());
        EXPECT_TRUE(r[1].isEmpty()) << "no prefix: " << r[0].toStdString();
        for (const QString &field : r)
            EXPECT_FALSE(field.contains(u'\r') || field.contains(u'\n') || field.contains(u'"') ||
                         field.contains(u'\uFF02'))
                << field.toStdString();
        int categories = 0;
        for (const auto &kind : kinds) {
            if (!r[3].toUpper().contains(kind.keyword))
                continue;
            ++categories;
            ++perKind[kind.keyword];
            EXPECT_TRUE(kind.code.match(r[2]).hasMatch())
                << r[0].toStdString() << ' ' << r[2].toStdString();
        }
        EXPECT_EQ(categories, 1) << r.join(u'|').toStdString();
    }
    for (const auto &kind : kinds)
        EXPECT_GT(perKind.value(kind.keyword), 0) << kind.keyword.toStdString();
    EXPECT_GE(perKind.value(u"DD"_s), 330) << "every prefecture-level division";

    // The query of each category lists exactly its records.
    for (int category = 1; category <= 7; ++category)
        EXPECT_EQ(query(tree.files(), category).RelevantRecords,
                  perKind.value(kinds[category - 1].keyword))
            << category;
    EXPECT_EQ(query(tree.files(), 10).RelevantRecords, records.size());
}

TEST_F(DemoDirectoryTest, EveryWebsiteSubclassHasSitesOfItsOwn)
{
    const QStringList subclasses = websiteSubclasses().mid(0, 12);
    int listed = 0;
    for (const QString &subclass : subclasses) {
        const ComCodesResult r = query(tree.files(), 4, {}, subclass);
        EXPECT_GE(r.RelevantRecords, 3) << subclass.toStdString();
        listed += r.RelevantRecords;
        for (const ClientListRow &row : r.ListBuffer) {
            const QString &cls = row.columns[3];
            EXPECT_TRUE(cls.startsWith(u"常用网站："_s + subclass + u'\\')) << cls.toStdString();
            for (const QString &other : subclasses)
                EXPECT_TRUE(other == subclass || !cls.contains(other)) << cls.toStdString();
        }
    }
    EXPECT_EQ(listed, query(tree.files(), 4).RelevantRecords) << "each site in one sub-class";
}

TEST_F(DemoDirectoryTest, WellKnownNumbersAreFoundByName)
{
    const struct {
        int category;
        QString name;
        QString code;
    } facts[] = {
        {1, u"北京市"_s, u"010"_s},
        {1, u"上海市"_s, u"021"_s},
        {1, u"天津市"_s, u"022"_s},
        {1, u"重庆市"_s, u"023"_s},
        {1, u"广州市"_s, u"020"_s},
        {1, u"南京市"_s, u"025"_s},
        {1, u"武汉市"_s, u"027"_s},
        {1, u"成都市"_s, u"028"_s},
        {1, u"西安市"_s, u"029"_s},
        {1, u"沈阳市"_s, u"024"_s},
        {1, u"深圳市"_s, u"0755"_s},
        {1, u"杭州市"_s, u"0571"_s},
        {2, u"匪警"_s, u"110"_s},
        {2, u"火警"_s, u"119"_s},
        {2, u"急救中心"_s, u"120"_s},
        {2, u"交通事故报警"_s, u"122"_s},
        {2, u"消费者投诉举报"_s, u"12315"_s},
        {2, u"法律援助 / 公共法律服务热线"_s, u"12348"_s},
        {3, u"北京市"_s, u"100000"_s},
        {3, u"上海市"_s, u"200000"_s},
        {5, u"最高人民法院"_s, u"北京市东城区东交民巷27号"_s},
        {6, u"江苏省人民政府"_s, u"http://www.jiangsu.gov.cn"_s},
        {7, u"中国铁路客户服务中心"_s, u"12306"_s},
    };
    for (const auto &fact : facts) {
        const ComCodesResult r = query(tree.files(), fact.category, fact.name);
        const bool found =
            std::any_of(r.ListBuffer.begin(), r.ListBuffer.end(), [&](const auto &row) {
                return row.columns[1] == fact.name && row.columns[2] == fact.code;
            });
        EXPECT_TRUE(found) << fact.category << ' ' << fact.name.toStdString();
    }
}

TEST_F(DemoDirectoryTest, EachPlaceAndItsGovernmentPickOneSite)
{
    const QList<QStringList> sites = readAll(tree.files(), govUrlsPath());
    int provinces = 0;
    for (const QStringList &site : sites) {
        ASSERT_EQ(site.size(), 4);
        EXPECT_FALSE(site[1].isEmpty());
        EXPECT_TRUE(site[2].startsWith(u"http"_s)) << site[1].toStdString();
        EXPECT_TRUE(site[3].isEmpty());
        if (site[0] == u"省级政府") {
            ++provinces;
            EXPECT_TRUE(site[1].endsWith(u"人民政府")) << site[1].toStdString();
        }
    }
    EXPECT_EQ(provinces, 31);

    QStringList sectors;
    for (const QStringList &sector : readAll(tree.files(), sectorsPath()))
        sectors.append(sector.value(0));
    const QList<QStringList> places = readAll(tree.files(), placesPath());
    EXPECT_GE(places.size(), 33);
    for (const QStringList &place : places) {
        int picked = 0;
        for (const QStringList &site : sites) {
            picked += site[1].contains(place.value(0)) &&
                      std::any_of(sectors.begin(), sectors.end(),
                                  [&](const QString &s) { return site[1].contains(s); });
        }
        EXPECT_EQ(picked, 1) << place.value(0).toStdString();
    }
}

TEST_F(DemoDirectoryTest, TheSearchFindsTheSitesOfRealIssuers)
{
    const struct {
        QString title;
        QString issuer;
        QString url; // among the sites offered
    } laws[] = {
        {u"教育部关于加强学校安全管理工作的通知"_s, u"教育部"_s, u"http://www.moe.gov.cn"_s},
        {u"财政部、国家税务总局关于增值税有关问题的通知"_s, u"财政部、国家税务总局"_s,
         u"http://www.mof.gov.cn"_s},
        {u"全国人民代表大会常务委员会关于修改《中华人民共和国公司法》的决定"_s,
         u"全国人民代表大会常务委员会"_s, u"http://www.npc.gov.cn"_s},
        {u"国务院办公厅关于促进就业工作的意见"_s, u"国务院办公厅"_s, u"https://www.gov.cn"_s},
        {u"最高人民法院、最高人民检察院关于办理盗窃刑事案件适用法律若干问题的解释"_s,
         u"最高人民法院、最高人民检察院"_s, u"https://www.spp.gov.cn"_s},
        {u"江苏省人民政府关于加强安全生产工作的通知"_s, u"江苏省人民政府"_s,
         u"http://www.jiangsu.gov.cn"_s},
        {u"内蒙古自治区人民政府办公厅关于促进旅游业发展的意见"_s, u"内蒙古自治区人民政府办公厅"_s,
         u"http://www.nmg.gov.cn"_s},
        {u"深圳市人民政府关于加强物业管理工作的通知"_s, u"深圳市人民政府"_s,
         u"http://www.sz.gov.cn"_s},
        {u"国家工商行政管理总局关于商标注册有关问题的批复"_s, u"国家工商行政管理总局"_s,
         u"https://www.samr.gov.cn"_s},
        {u"中华全国律师协会律师执业行为规范"_s, u"中华全国律师协会"_s, u"http://www.acla.org.cn"_s},
    };
    for (const auto &l : laws) {
        const GovUrlSearch s = ToURLGov(tree.files(), law(l.title, l.issuer));
        EXPECT_EQ(s.outcome, GovUrlSearch::Outcome::Found) << l.issuer.toStdString();
        const bool offered = std::any_of(s.sites.begin(), s.sites.end(),
                                         [&](const GovSite &site) { return site.url == l.url; });
        EXPECT_TRUE(offered) << l.issuer.toStdString();
    }
}

TEST(DemoDirectory, KeepsTheUsersFilesUnlessOverwriting)
{
    InstallTree tree;
    tree.writeRecords(comCodesPath(),
                      {{u"我的网站"_s, u""_s, u"http://example.com"_s, u"常用网站：综合"_s}});
    tree.writeRecords(placesPath(), {{u"云川"_s}});
    const QByteArray comCodes = tree.readBytes(comCodesPath());
    const QByteArray places = tree.readBytes(placesPath());

    const DemoDirectoryResult kept = writeDemoDirectory(tree.drives(), false);
    ASSERT_TRUE(kept.ok()) << kept.failure.toStdString();
    EXPECT_EQ(kept.kept, 2);
    EXPECT_EQ(kept.written, 2);
    EXPECT_EQ(kept.directoryRecords, 0);
    EXPECT_GT(kept.govSites, 0);
    EXPECT_EQ(tree.readBytes(comCodesPath()), comCodes);
    EXPECT_EQ(tree.readBytes(placesPath()), places);
    EXPECT_TRUE(tree.files().exists(sectorsPath()));

    const DemoDirectoryResult replaced = writeDemoDirectory(tree.drives(), true);
    ASSERT_TRUE(replaced.ok()) << replaced.failure.toStdString();
    EXPECT_EQ(replaced.kept, 0);
    EXPECT_EQ(replaced.written, 4);
    EXPECT_EQ(readAll(tree.files(), comCodesPath()).size(), replaced.directoryRecords);
    EXPECT_NE(tree.readBytes(placesPath()), places);
}
