#include "core/foundation/record_reader.h"

#include "core/foundation/gbk.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A record as a readable string: text fields quoted, numbers plain,
// empty fields as <>, booleans, dates and null in their hash form.
QString show(const Record &record)
{
    QStringList parts;
    for (const RecordValue &v : record) {
        switch (v.kind()) {
        case RecordValue::Kind::Empty:
            parts += u"<>"_s;
            break;
        case RecordValue::Kind::Text:
            parts += u'[' + v.toText() + u']';
            break;
        case RecordValue::Kind::Integer:
            parts += u"i"_s + v.toText();
            break;
        case RecordValue::Kind::Real:
            parts += u"r"_s + v.toText();
            break;
        case RecordValue::Kind::Boolean:
            parts += v.toBoolean() ? u"#TRUE#"_s : u"#FALSE#"_s;
            break;
        case RecordValue::Kind::Date:
            parts += u'#' + v.toText() + u'#';
            break;
        case RecordValue::Kind::Null:
            parts += u"#NULL#"_s;
            break;
        }
    }
    return parts.join(u' ');
}

QStringList readAllRecords(const QByteArray &bytes)
{
    RecordReader reader(bytes);
    QStringList out;
    while (!reader.atEnd()) {
        const auto record = reader.readRecord();
        if (!record)
            break;
        out += show(*record);
    }
    return out;
}

QString dataFile(const QString &name)
{
    return QString::fromUtf16(VERIDANE_TEST_DATA_DIR) + u'/' + name;
}

} // namespace

TEST(RecordReader, ReadsRecordsByTheFieldRules)
{
    const struct {
        const char *rule;
        QByteArray input;
        QStringList records;
    } cases[] = {
        {"quoted text and a number", "\"abc\",12\r\n", {u"[abc] i12"_s}},
        {"leading spaces are skipped", "  \"abc\",   12\r\n", {u"[abc] i12"_s}},
        {"a quoted field keeps commas", "\"a,b\",0\r\n", {u"[a,b] i0"_s}},
        {"a quoted field keeps line breaks",
         "\"line1\r\nline2\",1\r\n",
         {u"[line1\r\nline2] i1"_s}},
        {"text after the closing quote is skipped", "\"ab\"cd ,1\r\n", {u"[ab] i1"_s}},
        {"an unquoted field runs to the comma", "abc def,2\r\n", {u"[abc def] i2"_s}},
        {"a quoted number stays text", "\"123\",123\r\n", {u"[123] i123"_s}},
        {"fractions and signs", "1.5,-3,+4,.5,2e3\r\n", {u"r1.5 i-3 i4 r0.5 r2000"_s}},
        {"empty fields", ",\"\",\r\n", {u"<> [] <>"_s}},
        {"hash forms",
         "#TRUE#,#FALSE#,#NULL#,#2003-08-22#\r\n",
         {u"#TRUE# #FALSE# #NULL# #2003-08-22#"_s}},
        {"an unknown hash form stays text", "#what#\r\n", {u"[#what#]"_s}},
        {"LF alone ends a record", "\"a\"\n\"b\"\n", {u"[a]"_s, u"[b]"_s}},
        {"CR alone ends a record", "\"a\"\r\"b\"\r", {u"[a]"_s, u"[b]"_s}},
        {"no line end after the last record", "\"a\",1", {u"[a] i1"_s}},
        {"an empty line in the middle is an empty record",
         "1\r\n\r\n2\r\n",
         {u"i1"_s, u"<>"_s, u"i2"_s}},
        {"a quote left open takes the rest of the file", "\"abc,\r\ndef", {u"[abc,\r\ndef]"_s}},
        {"a text holding a double quote ends at it", "\"say \"hi\" now\",1\r\n", {u"[say ] i1"_s}},
        {"trailing blank lines and an end mark are the end", "1\r\n\r\n  \r\n\x1a", {u"i1"_s}},
        {"Chinese text", "\"\xD6\xD0\xB9\xFA\",\"\xB7\xA8\xC2\xC9\"\r\n", {u"[中国] [法律]"_s}},
        {"second bytes that look like ASCII",
         "\"\xB0\x5C\xB0\x40\",1\r\n",
         {u"["_s + Gbk::decode("\xB0\x5C\xB0\x40") + u"] i1"_s}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(readAllRecords(c.input), c.records) << c.rule;
}

TEST(RecordReader, FieldsFormOneStreamAcrossLines)
{
    // Reading more fields than a line holds continues on the next line;
    // reading fewer leaves the rest for the next read.
    RecordReader reader("\"a\",1\r\n\"b\",2,\"extra\"\r\n\"c\",3\r\n");
    QString t1, t2;
    qint16 n1 = 0;
    ASSERT_TRUE(reader.readFields(t1, n1, t2));
    EXPECT_EQ(t1, u"a"_s);
    EXPECT_EQ(n1, 1);
    EXPECT_EQ(t2, u"b"_s);
    qint16 n2 = 0;
    QString t3;
    ASSERT_TRUE(reader.readFields(n2, t3));
    EXPECT_EQ(n2, 2);
    EXPECT_EQ(t3, u"extra"_s);
    EXPECT_EQ(show(*reader.readRecord()), u"[c] i3"_s);
    EXPECT_TRUE(reader.atEnd());
}

TEST(RecordReader, SixteenBitIntegerTargets)
{
    const struct {
        QByteArray field;
        std::optional<qint16> value;
        RecordReader::Error error;
    } cases[] = {
        {"0", 0, RecordReader::Error::None},
        {"\"0\"", 0, RecordReader::Error::None},
        {"\" 42 \"", 42, RecordReader::Error::None},
        {"-32768", -32768, RecordReader::Error::None},
        {"32767", 32767, RecordReader::Error::None},
        {"12.5", 12, RecordReader::Error::None}, // halves round to even
        {"13.5", 14, RecordReader::Error::None},
        {"", 0, RecordReader::Error::None},
        {"32768", std::nullopt, RecordReader::Error::Overflow},
        {"1e9", std::nullopt, RecordReader::Error::Overflow},
        {"abc", std::nullopt, RecordReader::Error::TypeMismatch},
        {"\"\xD6\xD0\"", std::nullopt, RecordReader::Error::TypeMismatch},
    };
    for (const auto &c : cases) {
        RecordReader reader(c.field + "\r\n");
        qint16 target = 99;
        const bool ok = reader.read(target);
        EXPECT_EQ(ok, c.value.has_value()) << c.field.constData();
        EXPECT_EQ(reader.error(), c.error) << c.field.constData();
        EXPECT_EQ(target, c.value.value_or(99)) << c.field.constData();
    }
}

TEST(RecordReader, TextTargetTakesAnyField)
{
    RecordReader reader("12,\"\xD6\xD0\",,#TRUE#\r\n");
    QString a, b, c, d;
    ASSERT_TRUE(reader.readFields(a, b, c, d));
    EXPECT_EQ(a, u"12"_s);
    EXPECT_EQ(b, u"中"_s);
    EXPECT_EQ(c, QString());
    EXPECT_EQ(d, u"#TRUE#"_s);
}

TEST(RecordReader, ReadingPastTheEndIsAnError)
{
    RecordReader reader("\"only\"\r\n");
    QString a, b;
    EXPECT_TRUE(reader.read(a));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.read(b));
    EXPECT_EQ(reader.error(), RecordReader::Error::PastEnd);
    EXPECT_FALSE(reader.readRecord().has_value());

    RecordReader empty(QByteArray{});
    EXPECT_TRUE(empty.atEnd());
    EXPECT_FALSE(empty.read(a));
}

// Raw fields are views into the bytes; a caller that keeps a copy of the
// bytes keeps every view valid, even across line ends.
TEST(RecordReader, RawFieldsStayInsideTheSharedBytes)
{
    RecordReader reader(Gbk::encode(u"\"一\"\r\n\"二\",\"三\"\r\n四\n\"五\"\r\n"_s));
    const QByteArray kept = reader.bytes();
    QStringList texts;
    while (!reader.atEnd()) {
        const auto field = reader.nextField();
        ASSERT_TRUE(field);
        EXPECT_GE(field->bytes.data(), kept.constData());
        EXPECT_LE(field->bytes.data() + field->bytes.size(), kept.constData() + kept.size());
        texts += Gbk::decode(field->bytes);
    }
    EXPECT_EQ(texts, (QStringList{u"一"_s, u"二"_s, u"三"_s, u"四"_s, u"五"_s}));
    EXPECT_EQ(reader.bytes().constData(), kept.constData());
}

TEST(RecordReader, TellsTheLineOfEachField)
{
    RecordReader reader("\"a\"\r\n\"multi\r\nline\",\"x\"\r\n\"z\"\r\n");
    QString t;
    reader.read(t);
    EXPECT_EQ(reader.line(), 1);
    reader.read(t);
    EXPECT_EQ(reader.line(), 2);
    reader.read(t);
    EXPECT_EQ(reader.line(), 3);
    reader.read(t);
    EXPECT_EQ(reader.line(), 4);
}

TEST(RecordReader, ReadsTheDataFixtures)
{
    const struct {
        const char *file;
        QStringList records;
    } cases[] = {
        {"crlf_gbk.txt",
         {u"[北京市] [010] i1"_s, u"[上海市] [021] i2"_s, u"[多行\r\n文本, 含逗号] <> r3.5"_s}},
        {"empty.txt", {}},
        {"cut_off.txt", {u"[完整] i1"_s, u"[半\uFFFD]"_s}},
    };
    for (const auto &c : cases) {
        QFile file(dataFile(QString::fromLatin1(c.file)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.file;
        EXPECT_EQ(readAllRecords(file.readAll()), c.records) << c.file;
    }
}
