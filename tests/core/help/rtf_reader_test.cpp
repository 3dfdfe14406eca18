#include "core/foundation/gbk.h"
#include "core/foundation/rtf_writer.h"
#include "core/help/rtf_reader.h"

#include <gtest/gtest.h>

#include <random>

using namespace Qt::StringLiterals;

namespace {

constexpr quint32 Red = 0xFF0000;
constexpr quint32 Blue = 0x0000FF;
constexpr quint32 Black = 0x000000;

QString textOf(QByteArrayView rtf)
{
    return plainText(readRtf(rtf));
}

RichTextRun run(const QString &text, bool bold = false, bool italic = false,
                std::optional<quint32> colour = std::nullopt)
{
    return {text, bold, italic, colour};
}

} // namespace

TEST(RtfReader, TextOfDocuments)
{
    const struct {
        const char *what;
        QByteArray rtf;
        QString text;
    } cases[] = {
        {"plain text", "{\\rtf1\\ansi hello world}", u"hello world"_s},
        {"the file's own line ends are no text", "{\\rtf1 ab\r\ncd\n}", u"abcd"_s},
        {"paragraphs and a line break", "{\\rtf1 a\\par b\\line c\\par\r\nd}", u"a\nb\u2028c\nd"_s},
        {"the last paragraph mark opens no empty paragraph", "{\\rtf1 a\\par b\\par}", u"a\nb"_s},
        {"an empty paragraph in between stays", "{\\rtf1 a\\par\\par b}", u"a\n\nb"_s},
        {"a tab", "{\\rtf1 a\\tab b}", u"a\tb"_s},
        {"escaped backslash and braces", "{\\rtf1 a\\\\b\\{c\\}}", u"a\\b{c}"_s},
        {"a Unicode escape with its one fallback character", "{\\rtf1 \\u20013?x}", u"中x"_s},
        {"a negative Unicode escape", "{\\rtf1 \\u-230?}", u"："_s},
        {"a fallback of two \\'hh bytes", "{\\rtf1\\uc2 \\u20013\\'d6\\'d0x}", u"中x"_s},
        {"no fallback", "{\\rtf1\\uc0 \\u20013x}", u"中x"_s},
        {"the fallback count belongs to its group", "{\\rtf1{\\uc2 \\u20013\\'d6\\'d0}\\u22269?}",
         u"中国"_s},
        {"a brace ends a fallback", "{\\rtf1\\uc4 \\u20013{}ab}", u"中ab"_s},
        {"two \\'hh bytes make one GBK character", "{\\rtf1 \\'d6\\'d0\\'ce\\'c4!}", u"中文!"_s},
        {"upper-case hex digits", "{\\rtf1 \\'D6\\'D0}", u"中"_s},
        {"raw GBK bytes in the text", "{\\rtf1 \xd6\xd0\xce\xc4}", u"中文"_s},
        {"a surrogate pair as writeRtf writes it",
         "{\\rtf1\\uc4 \\u-10176\\u-9216\\'95\\'32\\'82\\'36.}", u"𠀀."_s},
        {"a surrogate pair with one fallback each", "{\\rtf1 \\u-10179?\\u-8704?}",
         u"\U0001F600"_s},
        {"nested groups", "{\\rtf1 a{b{c}d}e}", u"abcde"_s},
        {"the font table, style sheet, information and a picture are skipped",
         "{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
         "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}"
         "{\\pict\\pngblip 89504e47}text}",
         u"text"_s},
        {"a destination marked \\* is skipped", "{\\rtf1 a{\\*\\generator Riched20 10;}b}",
         u"ab"_s},
        {"the colour table is no text", "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}x}", u"x"_s},
        {"binary data is read over", "{\\rtf1 a\\bin3 {}}b}", u"ab"_s},
        {"named punctuation", "{\\rtf1 \\ldblquote a\\rdblquote\\emdash b}",
         u"\u201Ca\u201D\u2014b"_s},
        {"text after the document is not read", "{\\rtf1 a}b{c}", u"a"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(textOf(c.rtf), c.text) << c.what;
}

TEST(RtfReader, BoldItalicAndColourRuns)
{
    const QList<RichTextRun> runs =
        readRtf("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
                "a\\b b\\b0\\i c\\i0\\cf1 d\\cf2 e\\cf0 f\\b\\i\\cf1 g\\plain h}");
    const QList<RichTextRun> expected = {
        run(u"a"_s),
        run(u"b"_s, true),
        run(u"c"_s, false, true),
        run(u"d"_s, false, false, Red),
        run(u"e"_s, false, false, Blue),
        run(u"f"_s),
        run(u"g"_s, true, true, Red),
        run(u"h"_s),
    };
    EXPECT_EQ(runs, expected);
}

TEST(RtfReader, AGroupKeepsItsLookToItself)
{
    const QList<RichTextRun> runs = readRtf("{\\rtf1 a{\\b b{\\i c}d}e}");
    const QList<RichTextRun> expected = {run(u"a"_s), run(u"b"_s, true), run(u"c"_s, true, true),
                                         run(u"d"_s, true), run(u"e"_s)};
    EXPECT_EQ(runs, expected);
}

TEST(RtfReader, ReadsWhatTheWriterWrites)
{
    const QList<RtfRun> written = {
        {u"第一行 a\\b{c}\r\n"_s}, {u"红字"_s, true}, {u"\n末行𠀀：\t!"_s}};
    const QList<RichTextRun> expected = {
        run(u"第一行 a\\b{c}\n"_s, false, false, Black),
        run(u"红字"_s, false, false, Red),
        run(u"\n末行𠀀：\t!"_s, false, false, Black),
    };
    EXPECT_EQ(readRtf(writeRtf(written)), expected);
}

TEST(RtfReader, MalformedInputGivesTheTextThatCanBeMade)
{
    const struct {
        const char *what;
        QByteArray rtf;
        QString text;
    } cases[] = {
        {"a document never closed", "{\\rtf1 abc{\\b def", u"abcdef"_s},
        {"a closing brace too many ends the document", "{\\rtf1 a}}b", u"a"_s},
        {"a closing brace before anything opens", "}{\\rtf1 a}", u"a"_s},
        {"a \\'h cut off by the end", "{\\rtf1 a\\'4", u"a"_s},
        {"a \\'h with one hex digit", "{\\rtf1 a\\'4z}", u"az"_s},
        {"a \\' without digits", "{\\rtf1 a\\'zz}", u"azz"_s},
        {"a lead byte without its trail byte", "{\\rtf1 \\'d6}", u"\uFFFD"_s},
        {"a backslash at the very end", "{\\rtf1 a\\", u"a"_s},
        {"a huge \\uN", "{\\rtf1 \\u99999999999999999999?x}", u"\uFFFDx"_s},
        {"a Unicode escape below -32768", "{\\rtf1 \\u-40000?x}", u"\uFFFDx"_s},
        {"a lone low surrogate", "{\\rtf1 \\u-9216?x}", u"\uFFFDx"_s},
        {"a high surrogate without its low half", "{\\rtf1 \\u-10176?x}", u"\uFFFDx"_s},
        {"a huge fallback count ends with its group", "{\\rtf1{\\uc999999999 \\u20013abc}def}",
         u"中def"_s},
        {"a colour beyond the table", "{\\rtf1\\cf99999999999 x}", u"x"_s},
        {"a huge binary length", "{\\rtf1 a\\bin99999999999999 b}", u"a"_s},
        {"a control word of many letters", "{\\rtf1 " + QByteArray(5000, 'x').prepend('\\') + " y}",
         u"y"_s},
        {"a parameter of many digits", "{\\rtf1 \\fs" + QByteArray(5000, '9') + " y}", u"y"_s},
        {"a Unicode escape without a number", "{\\rtf1 \\u?x}", u"x"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(textOf(c.rtf), c.text) << c.what;
}

TEST(RtfReader, DeepNestingIsReadWithoutRecursion)
{
    // Far deeper than any document: the text comes through, and the look
    // set in the depths does not outlast the groups that keep state.
    const int depth = 200000;
    const QByteArray rtf =
        "{\\rtf1 a" + QByteArray(depth, '{') + "\\b x" + QByteArray(depth, '}') + "y}";
    const QList<RichTextRun> runs = readRtf(rtf);
    EXPECT_EQ(plainText(runs), u"axy"_s);
    ASSERT_FALSE(runs.isEmpty());
    EXPECT_EQ(runs.back(), run(u"y"_s));

    // Never closed at all.
    EXPECT_EQ(textOf(QByteArray("{\\rtf1 " + QByteArray(depth, '{') + "deep")), u"deep"_s);
}

TEST(RtfReader, AnyBytesAreReadWithoutFailing)
{
    // Random documents over the bytes that steer the reader: whatever they
    // hold, reading ends and gives no more characters than there were bytes.
    static const char Alphabet[] = "{}\\\\\\'*ubcfiparlnt0123456789-; ?\xd6\xd0\x80\xff\r\n";
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pick(0, int(sizeof(Alphabet)) - 2);
    std::uniform_int_distribution<int> length(0, 300);
    for (int n = 0; n < 3000; ++n) {
        QByteArray rtf = "{\\rtf1 ";
        const int size = length(random);
        for (int i = 0; i < size; ++i)
            rtf += Alphabet[pick(random)];
        const QString text = textOf(rtf);
        EXPECT_LE(text.size(), rtf.size()) << rtf.toStdString();
    }
}

TEST(RtfReader, HelpTextFilesOfEveryForm)
{
    const QByteArray bom = "\xEF\xBB\xBF";
    const struct {
        const char *what;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"plain GBK text with CR LF", Gbk::encode(u"中文说明\r\n第二行\r\n"),
         u"中文说明\n第二行"_s},
        {"plain text with lone CR and LF", "a\rb\nc", u"a\nb\nc"_s},
        {"UTF-8 with a byte-order mark", bom + u"帮助"_s.toUtf8(), u"帮助"_s},
        {"a byte-order mark before text that is not UTF-8", bom + Gbk::encode(u"中"),
         Gbk::decode(QByteArray(bom + Gbk::encode(u"中")))},
        {"RTF", "{\\rtf1 \\u20013?}", u"中"_s},
        {"RTF after blanks", "\r\n {\\rtf1 x}", u"x"_s},
        {"RTF after a byte-order mark", bom + "{\\rtf1 x}", u"x"_s},
        {"an empty file", "", QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(plainText(readHelpText(c.bytes)), c.text) << c.what;
    // Plain text has no look of its own.
    EXPECT_EQ(readHelpText("abc"), QList<RichTextRun>{run(u"abc"_s)});
}
