#include "core/foundation/record_writer.h"

#include "core/foundation/gbk.h"
#include "core/foundation/record_reader.h"
#include "support/failing_writes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray format(std::initializer_list<RecordValue> values)
{
    return RecordWriter::formatRecord(values.begin(), qsizetype(values.size()));
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

TEST(RecordWriter, WritesValuesByTheRules)
{
    const struct {
        const char *rule;
        QByteArray written;
        QByteArray expected;
    } cases[] = {
        {"a text with a comma, then 0", format({u"a,b"_s, 0}), "\"a,b\",0\r\n"},
        {"numbers in plain decimal", format({12, -7, 1.5, 0.1, qint64(1) << 40, 2.0}),
         "12,-7,1.5,0.1,1099511627776,2\r\n"},
        {"an empty value is nothing", format({RecordValue(), u"x"_s, RecordValue()}),
         ",\"x\",\r\n"},
        {"an empty text is two quotes", format({QString()}), "\"\"\r\n"},
        {"line breaks are written as they are", format({u"a\r\nb"_s}), "\"a\r\nb\"\r\n"},
        {"Chinese in code page 936", format({u"中国"_s}), "\"\xD6\xD0\xB9\xFA\"\r\n"},
        {"hash forms",
         format({RecordValue::boolean(true), RecordValue::date(QDate(2003, 8, 22)),
                 RecordValue::null()}),
         "#TRUE#,#2003-08-22#,#NULL#\r\n"},
        {"no values is an empty line", RecordWriter::formatRecord(nullptr, 0), "\r\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.written, c.expected) << c.rule;
}

TEST(RecordWriter, DoubleQuoteInTextIsStoredAsFullWidthQuote)
{
    const QByteArray bytes = format({u"他说\"好\"。"_s, 5, u"next"_s});
    EXPECT_TRUE(bytes.contains("\xA3\xA2"));
    EXPECT_EQ(bytes.count('"'), 4);

    RecordReader reader(bytes);
    const auto record = reader.readRecord();
    ASSERT_TRUE(record);
    ASSERT_EQ(record->size(), 3);
    EXPECT_EQ((*record)[0].toText(), u"他说＂好＂。"_s);
    EXPECT_EQ((*record)[1].toInteger(), 5);
    EXPECT_EQ((*record)[2].toText(), u"next"_s);
}

TEST(RecordWriter, RecordsReadBackAsWritten)
{
    const QList<Record> records = {
        {u"法律,法规"_s, 0},
        {u"多行\r\n文本"_s, 3.25, RecordValue(), u""_s},
        {QString(QChar(0xE49B)) + QChar(0xE492), -32768},
        {QString::fromUcs4(U"\U0002A700 outside") + u"\\back\\slash"_s},
        {RecordValue::boolean(false), RecordValue::date(QDate(2026, 12, 10))},
    };
    QByteArray bytes;
    for (const Record &r : records)
        bytes += RecordWriter::formatRecord(r.constData(), r.size());
    RecordReader reader(bytes);
    QList<Record> back;
    while (!reader.atEnd())
        back += *reader.readRecord();
    EXPECT_EQ(back, records);
}

TEST(RecordWriter, WritingReplacesAndAppendingAdds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"f.txt"_s);
    writeFile(path, "\"old\",1\r\n\"old\",2\r\n");

    RecordWriter w(path, RecordWriter::Mode::Replace);
    w.write({u"new"_s, 1});
    ASSERT_TRUE(w.commit().ok());
    EXPECT_EQ(fileBytes(path), "\"new\",1\r\n");

    RecordWriter a(path, RecordWriter::Mode::Append);
    a.write({u"more"_s, 2});
    ASSERT_TRUE(a.commit().ok());
    EXPECT_EQ(fileBytes(path), "\"new\",1\r\n\"more\",2\r\n");

    const QString fresh = dir.filePath(u"fresh.txt"_s);
    RecordWriter c(fresh, RecordWriter::Mode::Append);
    c.write({u"first"_s});
    ASSERT_TRUE(c.commit().ok());
    EXPECT_EQ(fileBytes(fresh), "\"first\"\r\n");
}

TEST(RecordWriter, CarriedOverBytesStandAsTheyAre)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"f.txt"_s);
    // Bytes taken from another file: a record of another shape, a field that
    // is no valid code page 936 and no line end at the end.
    const QByteArray kept = "\"a\",\"b\",7\r\n\"\x81\x20\",\"x\"";
    RecordWriter w(path, RecordWriter::Mode::Replace);
    w.write({u"new"_s, 1});
    w.writeBytes(kept);
    ASSERT_TRUE(w.commit().ok());
    EXPECT_EQ(fileBytes(path), "\"new\",1\r\n" + kept);
}

TEST(RecordWriter, FailedRewriteLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QByteArray old = "\"keep\",1\r\n\"me\",2\r\n";
    const QString path = dir.filePath(u"register.txt"_s);
    writeFile(path, old);

    RecordWriter w(path, RecordWriter::Mode::Replace);
    for (int i = 0; i < 2000; ++i)
        w.write({u"客户"_s + QString::number(i), i});

    // The disk fills up part way through the write.
    const FileResult full = withFileSizeLimit(4096, [&] { return w.commit(); });
    EXPECT_EQ(full.error, FileResult::Error::WriteFailed);
    EXPECT_FALSE(full.message().isEmpty());
    EXPECT_EQ(fileBytes(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"register.txt"_s});

    // The folder is read-only.
    const FileResult readOnly = inReadOnlyFolder(dir.path(), [&] { return w.commit(); });
    EXPECT_EQ(readOnly.error, FileResult::Error::WriteFailed);
    EXPECT_EQ(fileBytes(path), old);

    // The folder does not exist.
    RecordWriter missing(dir.filePath(u"no/such/folder/f.txt"_s), RecordWriter::Mode::Replace);
    missing.write({u"x"_s});
    EXPECT_EQ(missing.commit().error, FileResult::Error::WriteFailed);
}

TEST(RecordWriter, FailedAppendCutsTheFileBack)
{
    QTemporaryDir dir;
    const QByteArray old = "\"a\",1\r\n";
    const QString path = dir.filePath(u"log.txt"_s);
    writeFile(path, old);

    RecordWriter w(path, RecordWriter::Mode::Append);
    for (int i = 0; i < 1000; ++i)
        w.write({u"line"_s, i});
    const FileResult r = withFileSizeLimit(2048, [&] { return w.commit(); });
    EXPECT_EQ(r.error, FileResult::Error::WriteFailed);
    EXPECT_EQ(fileBytes(path), old);
}
