#include "core/lawdb/full_text.h"

#include "core/foundation/gbk.h"
#include "core/lawdb/content_store.h"
#include "law_fixtures.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

bool matches(const QString &text1, const QString &document)
{
    const FullTextMatcher matcher(UKeyWordsSet(text1));
    return matcher.matches(Gbk::encode(document));
}

// What the rule says, decided the slow way: every word in the upper case.
bool reference(const QString &text1, const QString &document)
{
    return UKeyWordsSet(text1).allOccurIn(document.toUpper());
}

} // namespace

TEST(FullTextMatcher, EveryWordInTheUpperCasedText)
{
    const struct {
        QString text1;
        QString document;
        bool match;
    } cases[] = {
        {u"合同"_s, u"中华人民共和国合同法"_s, true},
        {u"合同 违约"_s, u"合同一方违约的"_s, true},
        {u"合同 违约"_s, u"合同"_s, false},
        {u"wto"_s, u"加入WTO以后"_s, true},
        {u"WTO"_s, u"加入wto以后"_s, true},
        {u"WtO 规则"_s, u"世贸组织wTo的规则"_s, true},
        {u"wto规则"_s, u"关于Wto规则的说明"_s, true},
        {u"wto规则"_s, u"关于Wto 规则的说明"_s, false},
        {u"ｗｔｏ"_s, u"全角ＷＴＯ"_s, true}, // full-width letters
        {u"ＷＴＯ"_s, u"全角ｗｔｏ"_s, true},
        {u"α"_s, u"希腊字母Α"_s, true},
        {u"fi"_s, u"连字\uFB01在此"_s, true}, // a ligature upper-cases to FI
        {u"ss"_s, u"德文\u00DF"_s, true},     // sharp s upper-cases to SS
        {u"i"_s, u"没有拉丁字母"_s, false},
        {u"2003-04-01"_s, u"【颁布日期】 2003-04-01"_s, true},
        {u"http://www.x.gov.cn"_s, u"网址 HTTP://WWW.X.GOV.CN 见"_s, true},
        {u""_s, u"任何文本"_s, true},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(matches(c.text1, c.document), c.match) << c.text1.toStdString();
        EXPECT_EQ(reference(c.text1, c.document), c.match) << "reference " << c.text1.toStdString();
    }
}

TEST(FullTextMatcher, MatchesOnlyOnCharacterBoundaries)
{
    // 啊 is B0 A1, 埃 B0 A3; the bytes "A1 B0" of 啊啊 are the code of another
    // character (the GBK code A1B0 is "“"), which the text does not hold.
    const QString quote = Gbk::decode("\xA1\xB0");
    EXPECT_EQ(Gbk::encode(u"啊啊"), QByteArray("\xB0\xA1\xB0\xA1"));
    EXPECT_FALSE(matches(quote, u"啊啊"_s));
    EXPECT_TRUE(matches(quote, u"啊" + quote));

    // A two-byte character whose second byte is an ASCII letter: 癅 is B0 40,
    // 侫 is 81 40... "B0 61" holds the byte of "a" without holding the letter.
    const QString tricky = Gbk::decode("\xB0\x61\xB0\x62");
    EXPECT_FALSE(matches(u"a"_s, tricky));
    EXPECT_FALSE(matches(u"ab"_s, tricky));
    EXPECT_TRUE(matches(u"a"_s, tricky + u"a"));
}

TEST(FullTextMatcher, LatinWordsInEveryCaseAndFromFourByteCharacters)
{
    // ı (U+0131, outside GBK: a four-byte character) upper-cases to I. It is
    // found wherever it stands, whatever the text around it.
    for (int offset = 0; offset < 140; ++offset) {
        const QString filler(offset, u'中');
        EXPECT_TRUE(matches(u"int"_s, filler + u"ınt"_s)) << offset;
        EXPECT_TRUE(matches(u"int"_s, filler + u"iNt"_s + filler)) << offset;
        EXPECT_FALSE(matches(u"int"_s, filler + u"in t"_s + filler)) << offset;
        EXPECT_EQ(matches(u"int"_s, filler + u"ın"_s), reference(u"int"_s, filler + u"ın"_s));
    }
    EXPECT_TRUE(matches(u"wto"_s, u"遵守wTo规则"_s));
    EXPECT_TRUE(matches(u"WTO 规则"_s, u"遵守Wto规则"_s));
    EXPECT_FALSE(matches(u"wto"_s, u"遵守w to规则"_s));
}

TEST(FullTextMatcher, NoTwoByteCharacterUpperCasesIntoAscii)
{
    // The ASCII search relies on this: only ASCII letters and four-byte
    // characters can upper-case into ASCII letters.
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const char code[2] = {char(lead), char(trail)};
            const QString upper = Gbk::decode(QByteArrayView(code, 2)).toUpper();
            for (QChar c : upper)
                ASSERT_GE(c.unicode(), 0x80) << std::hex << lead << ' ' << trail;
        }
    }
}

TEST(FullTextRow, TakesTheRowFromTheHeader)
{
    LawDocument d{u"关于加强管理的通知"_s};
    d.validity = u"有效"_s;
    EXPECT_EQ(fullTextRow(QStringView(d.text())), u"2003-04-01  (有效)关于加强管理的通知"_s);
    EXPECT_EQ(fullTextRow(QByteArrayView(Gbk::encode(d.text()))),
              u"2003-04-01  (有效)关于加强管理的通知"_s);

    d.validity = u"一二三四五六七八九十一二三四五六七八九十"_s; // longer than 17
    EXPECT_EQ(fullTextRow(QStringView(d.text())),
              u"2003-04-01  (一二三四五六七八九十一二三四五六七)关于加强管理的通知"_s);

    d.body = QString(3000, u'文'); // long enough that the short prefix is used
    d.validity = u"失效"_s;
    EXPECT_EQ(fullTextRow(QByteArrayView(Gbk::encode(d.text()))),
              u"2003-04-01  (失效)关于加强管理的通知"_s);

    EXPECT_EQ(fullTextRow(QStringView(u"没有任何标签")), u"  ()"_s);
}

TEST(FullTextBar, ValuesByProgress)
{
    const struct {
        int p;
        int previous;
        int value;
    } cases[] = {{0, 0, 15},   {6, 0, 15},   {7, 15, 18},  {8, 15, 18},
                 {9, 18, 24},  {10, 18, 24}, {11, 24, 41}, {12, 41, 42},
                 {13, 42, 42}, {70, 42, 42}, {71, 42, 95}, {100, 95, 95}};
    for (const auto &c : cases)
        EXPECT_EQ(fullTextBarValue(c.p, c.previous), c.value) << c.p;
}

class YearSearch2Test : public ::testing::Test
{
protected:
    void SetUp() override
    {
        put(2005, 12, u"二〇〇五年十二月"_s);
        put(2005, 1, u"二〇〇五年一月"_s);
        put(2003, 4, u"二〇〇三年四月甲"_s, u"二〇〇三年四月乙"_s);
        put(2003, 11, u"二〇〇三年十一月"_s);
        put(1875, 6, u"最早的一年"_s);
        LawDocument u{u"未注明日期"_s};
        u.date = u"0000-00-00"_s;
        u.body = u"搜索词"_s;
        writeContentFile(tree, 0, 0, {u.text()});
        undated = LoadClass789Contents(tree.files());
    }

    void put(int y, int m, const QString &title, const QString &second = {})
    {
        QStringList docs;
        for (const QString &t : {title, second}) {
            if (t.isEmpty())
                continue;
            LawDocument d{t};
            d.date = QDate(y, m, 1).toString(u"yyyy-MM-dd"_s);
            d.body = u"正文含有搜索词。"_s;
            docs.append(d.text());
        }
        writeContentFile(tree, y, m, docs);
    }

    QStringList titles(const FullTextResult &r) const
    {
        QStringList out;
        for (const QString &row : r.rows)
            out += splitLawRow(row).title;
        return out;
    }

    InstallTree tree;
    NoDateTexts undated;
};

TEST_F(YearSearch2Test, ScansYearsNewestFirstMonthsTwelveToOneUndatedLast)
{
    const KeyWords k = UKeyWordsSet(u"搜索词"_s);
    const FullTextResult before =
        YearSearch2(tree.files(), undated, k, YearMode::Before, 2005, 2026);
    EXPECT_EQ(titles(before),
              (QStringList{u"二〇〇五年十二月"_s, u"二〇〇五年一月"_s, u"二〇〇三年十一月"_s,
                           u"二〇〇三年四月甲"_s, u"二〇〇三年四月乙"_s, u"最早的一年"_s,
                           u"未注明日期"_s}));
    EXPECT_EQ(before.rows[0], u"2005-12-01  (有效)二〇〇五年十二月"_s);
    EXPECT_FALSE(before.cut);
    EXPECT_EQ(before.barWidths.size(), 2005 - 1875 + 1);
    EXPECT_EQ(before.barWidths.front(), 8000 * 15 / 100);
    EXPECT_EQ(before.barWidths.back(), 8000 * 95 / 100);

    // Mode "后" runs from the current year down to the chosen one, never the undated texts.
    const FullTextResult after = YearSearch2(tree.files(), undated, k, YearMode::After, 2004, 2026);
    EXPECT_EQ(titles(after), (QStringList{u"二〇〇五年十二月"_s, u"二〇〇五年一月"_s}));
    EXPECT_EQ(after.barWidths.size(), 2026 - 2004 + 1);

    // A chosen year newer than the current one: nothing.
    EXPECT_TRUE(YearSearch2(tree.files(), undated, k, YearMode::After, 2030, 2026).rows.isEmpty());
    // Mode "前" from a year older than 1875 still searches the undated texts.
    EXPECT_EQ(titles(YearSearch2(tree.files(), undated, k, YearMode::Before, 1800, 2026)),
              QStringList{u"未注明日期"_s});
    EXPECT_TRUE(
        YearSearch2(tree.files(), undated, UKeyWordsSet(u"没有"_s), YearMode::Before, 2026, 2026)
            .rows.isEmpty());
}

TEST_F(YearSearch2Test, StopsAtTheCapacityAndSaysSo)
{
    QList<Record> many;
    const QString doc = LawDocument{u"同一份"_s}.text();
    for (int i = 0; i < FullTextCapacity + 3; ++i)
        many.append({doc});
    tree.writeRecords(ContentFile(contentFileName(2010, 1)), many);
    const FullTextResult r =
        YearSearch2(tree.files(), undated, UKeyWordsSet(u"同一份"_s), YearMode::Before, 2026, 2026);
    EXPECT_EQ(r.rows.size(), FullTextCapacity);
    EXPECT_TRUE(r.cut);
}
