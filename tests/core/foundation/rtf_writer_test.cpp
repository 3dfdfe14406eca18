#include "core/foundation/rtf_writer.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The body of the document, after the font and colour tables.
QByteArray body(const QList<RtfRun> &runs)
{
    const QByteArray doc = writeRtf(runs);
    const QByteArray start = "\\uc1\\pard\\f0\\fs21\\cf1 ";
    const qsizetype at = doc.indexOf(start);
    EXPECT_GE(at, 0);
    return doc.mid(at + start.size());
}

} // namespace

TEST(RtfWriter, HeaderDeclaresTheChineseFontAndTheColours)
{
    const QByteArray doc = writeRtf({});
    EXPECT_TRUE(doc.startsWith("{\\rtf1\\ansi\\ansicpg936\\deff0"));
    // 宋体 is CB CE CC E5 in code page 936.
    EXPECT_TRUE(doc.contains("{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"));
    EXPECT_TRUE(doc.contains("{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}"));
    EXPECT_TRUE(doc.endsWith("}"));
    // Braces balance.
    EXPECT_EQ(doc.count('{'), doc.count('}'));
}

TEST(RtfWriter, TextParagraphsAndMarks)
{
    const struct {
        const char *what;
        QList<RtfRun> runs;
        QByteArray body;
    } cases[] = {
        {"ascii with the three special characters", {{u"a\\b{c}"_s}}, "a\\\\b\\{c\\}\\par\r\n}"},
        {"line breaks of both kinds", {{u"a\r\nb\nc"_s}}, "a\\par\r\nb\\par\r\nc\\par\r\n}"},
        {"a Chinese character with its GBK fallback",
         {{u"中"_s}},
         "\\uc2 \\u20013\\'d6\\'d0\\par\r\n}"},
        {"a code above 32767 is written negative",
         {{u"："_s}},
         "\\uc2 \\u-230\\'a3\\'ba\\par\r\n}"},
        {"a character outside GBK: a surrogate pair, four fallback bytes",
         {{u"𠀀"_s}},
         "\\uc4 \\u-10176\\u-9216\\'95\\'32\\'82\\'36\\par\r\n}"},
        {"red and back", {{u"a"_s}, {u"b"_s, true}, {u"c"_s}}, "a\\cf2 b\\cf1 c\\par\r\n}"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(body(c.runs), c.body) << c.what;
}
