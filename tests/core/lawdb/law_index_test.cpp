#include "core/lawdb/law_index.h"

#include "core/foundation/record_writer.h"
#include "support/install_tree.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray indexBytes(const QList<QStringList> &records)
{
    QByteArray out;
    for (const QStringList &r : records) {
        Record values;
        for (const QString &f : r)
            values.append(f);
        out += RecordWriter::formatRecord(values.constData(), values.size());
    }
    return out;
}

QStringList years(const LawTables &t)
{
    QStringList out;
    for (const YearIndexEntry &e : t.YearIndex)
        out += QString::number(e.first) + u' ' + e.year;
    return out;
}

} // namespace

TEST(LoadIndex2, FillsTheIndexAndTheYearRuns)
{
    const LawTables t = LoadIndex2(indexBytes({
        {u"甲法"_s, u"2005-03-01"_s, u"1全国人民代表大会"_s, u"有效"_s},
        {u"乙规定"_s, u"2005-01-09"_s, u"46国家税务总局"_s, u"失效"_s},
        {u"丙办法"_s, u"2003-07-01"_s, u"5北京市人民政府"_s, u"有效"_s},
        {u"丁通知"_s, u"2004-02-02"_s, u"4财政部"_s, u"有效"_s}, // out of order: a new run
        {u"戊批复"_s, u"2003-01-05"_s, u"3最高人民法院"_s, u"有效"_s},
        {u"己范本"_s, u"0000-00-00"_s, u"7"_s, u""_s},
        {u"庚案例"_s, u"0000-00-00"_s, u"8"_s, u"有效"_s},
    }));
    ASSERT_EQ(t.count(), 7);
    EXPECT_EQ(years(t),
              (QStringList{u"1 2005"_s, u"3 2003"_s, u"4 2004"_s, u"5 2003"_s, u"6 0000"_s}));
    const LawRecord &r = t.record(2);
    EXPECT_EQ(r.title(), u"乙规定"_s);
    EXPECT_EQ(r.date(), u"2005-01-09"_s);
    EXPECT_EQ(r.org(), u"46国家税务总局"_s);
    EXPECT_EQ(r.validity(), u"失效"_s);
    EXPECT_EQ(r.joined(), u"乙规定2005-01-0946国家税务总局失效"_s);
    EXPECT_EQ(t.record(6).validity(), QString());
}

TEST(LoadIndex2, MissingOrEmptyIndexGivesEmptyTables)
{
    InstallTree tree;
    EXPECT_EQ(LoadIndex2(tree.files()).count(), 0);
    tree.writeBytes(lawIndexPath(), {});
    const LawTables t = LoadIndex2(tree.files());
    EXPECT_EQ(t.count(), 0);
    EXPECT_TRUE(t.YearIndex.isEmpty());
}

TEST(LoadIndex2, ReadsTheFileOfTheInstallTree)
{
    InstallTree tree;
    tree.writeRecords(u"c:\\program files\\quorix\\LAWBASE\\Index.txt"_s,
                      {{u"法"_s, u"2001-01-01"_s, u"1全国人大"_s, u"有效"_s}});
    EXPECT_EQ(LoadIndex2(tree.files()).count(), 1);
}

TEST(LoadIndex2, StopsAtTheLimits)
{
    // More than 180000 records: the first 180000.
    QByteArray many;
    const QByteArray one = "\"t\",\"2001-01-01\",\"1x\",\"v\"\r\n";
    many.reserve(one.size() * (LawTables::RecordCapacity + 5));
    for (int i = 0; i < LawTables::RecordCapacity + 5; ++i)
        many += one;
    EXPECT_EQ(LoadIndex2(many).count(), LawTables::RecordCapacity);

    // More than 1000 year runs: loading stops before the record opening run 1001.
    QList<QStringList> runs;
    for (int i = 0; i < 1001; ++i)
        runs.append({u"t"_s, QString::number(i % 2 ? 2001 : 2002) + u"-01-01"_s, u"1x"_s, u"v"_s});
    const LawTables t = LoadIndex2(indexBytes(runs));
    EXPECT_EQ(t.count(), 1000);
    EXPECT_EQ(t.YearIndex.size(), 1000);
}

TEST(LoadIndex2, AMalformedRecordEndsTheLoad)
{
    // Record 3 opens a quote it never closes: it swallows the rest of the
    // file and cannot be completed, so records 1 and 2 stay and nothing after.
    const QByteArray bytes = "\"a\",\"2003-01-01\",\"1x\",\"v\"\r\n"
                             "\"b\",\"2003-01-01\",\"1x\",\"v\"\r\n"
                             "\"c,2003-01-01,1x,v\r\n"
                             "d,2002-01-01,1x,v\r\n";
    const LawTables t = LoadIndex2(bytes);
    EXPECT_EQ(t.count(), 2);
    EXPECT_EQ(years(t), QStringList{u"1 2003"_s});

    // A last record short of fields is not counted.
    const LawTables cut =
        LoadIndex2(QByteArray("\"a\",\"2003-01-01\",\"1x\",\"v\"\r\n\"b\",\"2003-01-01\"\r\n"));
    EXPECT_EQ(cut.count(), 1);
}
