#include "core/lawdb/keywords.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString numbered(int n)
{
    QStringList words;
    for (int i = 1; i <= n; ++i)
        words += u"w"_s + QString::number(i);
    return words.join(u' ');
}

} // namespace

TEST(UKeyWordsSet, SplitsTheKeywordBox)
{
    const struct {
        QString text1;
        QStringList words;
    } cases[] = {
        {u"a b c"_s, {u"A"_s, u"B"_s, u"C"_s}},
        {u"  合同   法  "_s, {u"合同"_s, u"法"_s}},
        {u"wto 规则"_s, {u"WTO"_s, u"规则"_s}},
        {u""_s, {}},
        {u"   "_s, {}},
        {u"one"_s, {u"ONE"_s}},
    };
    for (const auto &c : cases) {
        const KeyWords k = UKeyWordsSet(c.text1);
        EXPECT_EQ(k.words(), c.words) << c.text1.toStdString();
        for (int i = 0; i < KeyWords::FirstSlot; ++i)
            EXPECT_TRUE(k.slot[i].isEmpty());
    }
}

TEST(UKeyWordsSet, KeepsAtMostEighteenWords)
{
    for (int n : {18, 19, 20}) {
        const KeyWords k = UKeyWordsSet(numbered(n));
        const QStringList words = k.words();
        ASSERT_EQ(words.size(), 18) << n;
        EXPECT_EQ(words.front(), u"W1"_s);
        EXPECT_EQ(words.back(), u"W18"_s);
        EXPECT_EQ(k.slot[KeyWords::LastSlot], u"W18"_s);
    }
    EXPECT_TRUE(UKeyWordsSet(u"a b c"_s).slot[6].isEmpty());
}

TEST(KWDDTFormat, NormalisesTheFirstDateKeyword)
{
    const struct {
        QString text1;
        QStringList words;
    } cases[] = {
        {u"2003/4/1"_s, {u"2003-04-01"_s}},
        {u"2003-4-1 合同"_s, {u"2003-04-01"_s, u"合同"_s}},
        {u"2003,4,1"_s, {u"2003-04-01"_s}},
        {u"2003－4－1"_s, {u"2003-04-01"_s}},
        {u"2003-4"_s, {u"2003-04"_s}},
        {u"2003-12-1"_s, {u"2003-12-01"_s}},
        {u"2003-4-15"_s, {u"2003-04-15"_s}},
        {u"2003-12-25"_s, {u"2003-12-25"_s}},
        // Two digits and letters: no date, the next slot is looked at.
        {u"12abc 2003/4/1"_s, {u"12ABC"_s, u"2003-04-01"_s}},
        // A word not starting with two digits ends the look.
        {u"合同 2003/4/1"_s, {u"合同"_s, u"2003/4/1"_s}},
        // Only the first date is normalised.
        {u"2003/4/1 2004/5/6"_s, {u"2003-04-01"_s, u"2004/5/6"_s}},
        {u"20030401"_s, {u"20030401"_s}},
    };
    for (const auto &c : cases) {
        KeyWords k = UKeyWordsSet(c.text1);
        KWDDTFormat(k, c.text1, true);
        EXPECT_EQ(k.words(), c.words) << c.text1.toStdString();
    }

    KeyWords other = UKeyWordsSet(u"2003/4/1"_s);
    KWDDTFormat(other, u"2003/4/1"_s, false);
    EXPECT_EQ(other.words(), QStringList{u"2003/4/1"_s});
}

TEST(KeyWords, AllWordsMustOccur)
{
    const KeyWords k = UKeyWordsSet(u"合同 法"_s);
    EXPECT_TRUE(k.allOccurIn(u"中华人民共和国合同法"_s));
    EXPECT_TRUE(k.allOccurIn(u"法合同"_s)); // order does not matter
    EXPECT_FALSE(k.allOccurIn(u"合同"_s));
    EXPECT_TRUE(UKeyWordsSet(u""_s).allOccurIn(u"anything"_s));
}

TEST(Text1KeyReplacement, InputMethodCharacters)
{
    const struct {
        char16_t key;
        char16_t replaced;
    } cases[] = {{u'\u3000', u' '}, {u'０', u'0'},  {u'５', u'5'},  {u'９', u'9'},
                 {u'a', u'a'},      {u'中', u'中'}, {u'Ａ', u'Ａ'}, {13, 13}};
    for (const auto &c : cases)
        EXPECT_EQ(Text1KeyReplacement(c.key), c.replaced) << int(c.key);
}
