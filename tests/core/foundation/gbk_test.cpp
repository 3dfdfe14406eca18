#include "core/foundation/gbk.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out += char(v);
    return out;
}

} // namespace

TEST(Gbk, EveryTwoByteCodeRoundTripsByteForByte)
{
    int checked = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const QByteArray code = bytes({lead, trail});
            const QString text = Gbk::decode(code);
            ASSERT_EQ(text.size(), 1) << std::hex << lead << trail;
            ASSERT_NE(text[0].unicode(), 0xFFFD) << std::hex << lead << trail;
            ASSERT_EQ(Gbk::encode(text), code) << std::hex << lead << trail;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 126 * 190);
}

TEST(Gbk, DigitCodeCharactersMapToPrivateUse)
{
    // FE D4 .. FE CB stand for the digits of the content file names.
    for (int i = 0; i < 10; ++i) {
        const QByteArray code = bytes({0xFE, 0xD4 - i});
        const QString text(QChar(char16_t(0xE49B - i)));
        EXPECT_EQ(Gbk::decode(code), text) << i;
        EXPECT_EQ(Gbk::encode(text), code) << i;
    }
}

TEST(Gbk, CharactersOutsideGbkRoundTripLosslessly)
{
    const struct {
        const char *name;
        QString text;
        int encodedSize;
    } cases[] = {
        {"supplementary ideograph", QString::fromUcs4(U"\U0002A700"), 4},
        {"emoji", QString::fromUcs4(U"\U0001F600"), 4},
        {"BMP sign outside GBK", QString(QChar(0x20AD)), 4},
        {"Korean syllable", QString(QChar(0xD55C)), 4},
        {"mixed text", u"法\u20AD律"_s, 2 + 4 + 2},
    };
    for (const auto &c : cases) {
        const QByteArray encoded = Gbk::encode(c.text);
        EXPECT_EQ(encoded.size(), c.encodedSize) << c.name;
        EXPECT_EQ(Gbk::decode(encoded), c.text) << c.name;
    }
}

TEST(Gbk, KnownCharactersHaveTheirGbkCodes)
{
    EXPECT_EQ(Gbk::encode(u"中国"), bytes({0xD6, 0xD0, 0xB9, 0xFA}));
    EXPECT_EQ(Gbk::encode(u"\uFF02"), bytes({0xA3, 0xA2}));
    EXPECT_EQ(Gbk::decode(bytes({0xB7, 0xA8, 0xC2, 0xC9})), u"法律"_s);
    EXPECT_EQ(Gbk::decode("plain ascii, 123"), u"plain ascii, 123"_s);
    EXPECT_EQ(Gbk::encode(u"plain ascii"), QByteArray("plain ascii"));
}

TEST(Gbk, DamagedBytesBecomeReplacementCharactersWithoutLosingNeighbours)
{
    const struct {
        const char *name;
        QByteArray input;
        QString expected;
    } cases[] = {
        {"cut off after a lead byte", bytes({0xD6, 0xD0, 0xB9}), u"中\uFFFD"_s},
        {"lone 0x80 between characters", bytes({'a', 0x80, 0xD6, 0xD0}), u"a\uFFFD中"_s},
        {"lead byte before ASCII", bytes({0xD6, ',', 'x'}), u"\uFFFD,x"_s},
        {"four-byte form cut off", bytes({'x', 0x81, 0x30, 0x81}), u"x\uFFFD0\uFFFD"_s},
        {"lone 0xFF", bytes({0xFF}), u"\uFFFD"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Gbk::decode(c.input), c.expected) << c.name;
}

TEST(Gbk, UnpairedSurrogateIsWrittenAsQuestionMark)
{
    const QString text = u"a"_s + QChar(char16_t(0xD800)) + u"中"_s;
    EXPECT_EQ(Gbk::encode(text), QByteArray("a?\xD6\xD0"));
}

TEST(Gbk, CharacterLength)
{
    const struct {
        QByteArray input;
        qsizetype pos;
        qsizetype length;
    } cases[] = {
        {"a", 0, 1},
        {bytes({0xD6, 0xD0}), 0, 2},
        {bytes({0xB0, 0x5C}), 0, 2}, // second byte looks like a backslash
        {bytes({0x81, 0x30, 0x81, 0x30}), 0, 4},
        {bytes({0x81, 0x30, 0x81}), 0, 1},
        {bytes({0xD6}), 0, 1},
        {bytes({0x80, 0x41}), 0, 1},
        {bytes({'a'}), 1, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Gbk::characterLength(c.input, c.pos), c.length) << c.input.toHex().constData();
}
