#include "core/calendar/calendar_line.h"
#include "core/calendar/calendar_table.h"

#include "core/foundation/gbk.h"

#include "support/install_tree.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const CalendarDay *dayOf(const QList<CalendarDay> &days, QDate date)
{
    for (const CalendarDay &d : days) {
        if (d.date == date)
            return &d;
    }
    return nullptr;
}

} // namespace

TEST(Festivals, GregorianLunarAndNewYearsEve)
{
    const struct {
        QDate date;
        LunarDate lunar;
        bool lastDayOfYear;
        QStringList names;
    } cases[] = {
        {{2025, 1, 29}, {1, false, 1}, false, {u"春节"_s}},
        {{2025, 1, 28}, {12, false, 29}, true, {u"除夕"_s}},
        {{2020, 10, 1}, {8, false, 15}, false, {u"国庆节"_s, u"中秋节"_s}},
        {{2025, 5, 31}, {5, false, 5}, false, {u"端午节"_s}},
        // A leap month keeps no festival of the month it repeats.
        {{2009, 6, 27}, {5, true, 5}, false, {}},
        {{2025, 5, 1}, {4, false, 4}, false, {u"劳动节"_s}},
        // Each Gregorian festival from the year it was first kept.
        {{1949, 10, 1}, {8, false, 10}, false, {}},
        {{1984, 9, 10}, {8, false, 15}, false, {u"中秋节"_s}},
        {{1985, 9, 10}, {7, false, 26}, false, {u"教师节"_s}},
        {{2010, 12, 4}, {10, false, 29}, false, {u"法制宣传日"_s}},
        {{2025, 12, 4}, {10, false, 15}, false, {u"国家宪法日"_s}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(festivalsOf(c.date, c.lunar, c.lastDayOfYear), c.names)
            << c.date.toString(Qt::ISODate).toStdString();
}

TEST(CalendarTable, OneRecordPerDayWithItsNotes)
{
    const QList<CalendarDay> days = calendarDays(2024, 2025);
    ASSERT_EQ(days.size(), 366 + 365);
    EXPECT_EQ(days.front().date, QDate(2024, 1, 1));
    EXPECT_EQ(days.back().date, QDate(2025, 12, 31));

    const struct {
        QDate date;
        Record record;
    } cases[] = {
        {{2025, 1, 29}, {u"2025-1-29"_s, u"春节"_s, u"正月"_s, u"初一"_s, u""_s, u""_s}},
        {{2025, 1, 28}, {u"2025-1-28"_s, u"除夕"_s, u"腊月"_s, u"廿九"_s, u""_s, u""_s}},
        {{2024, 2, 9}, {u"2024-2-9"_s, u"除夕"_s, u"腊月"_s, u"三十"_s, u""_s, u""_s}},
        {{2024, 2, 4}, {u"2024-2-4"_s, u""_s, u"腊月"_s, u"廿五"_s, u""_s, u"立春"_s}},
        {{2025, 7, 25}, {u"2025-7-25"_s, u""_s, u"闰六月"_s, u"初一"_s, u""_s, u""_s}},
        {{2025, 12, 21}, {u"2025-12-21"_s, u""_s, u"冬月"_s, u"初二"_s, u""_s, u"冬至"_s}},
        {{2024, 10, 1}, {u"2024-10-1"_s, u"国庆节"_s, u"八月"_s, u"廿九"_s, u""_s, u""_s}},
    };
    for (const auto &c : cases) {
        const CalendarDay *day = dayOf(days, c.date);
        ASSERT_NE(day, nullptr);
        EXPECT_EQ(day->record(), c.record) << c.date.toString(Qt::ISODate).toStdString();
    }
}

TEST(CalendarTable, AFestivalAndATermOnOneDayStayApart)
{
    // 2011-6-6: 端午节 and 芒种, shown one after the other as "(端午节 芒种)".
    const QList<CalendarDay> days = calendarDays(2011, 2011);
    const CalendarDay *day = dayOf(days, QDate(2011, 6, 6));
    ASSERT_NE(day, nullptr);
    EXPECT_EQ(day->note1 + day->note2, u"端午节 芒种"_s);
    EXPECT_EQ(day->note2, u"芒种"_s);
}

TEST(CalendarTable, WrittenTableIsReadByTheCalendarLine)
{
    InstallTree tree;
    const QString path = InstallTree::install(u"calendar.txt"_s);
    ASSERT_TRUE(writeCalendarTable(tree.files(), path, 2026, 2027));
    const QByteArray bytes = tree.readBytes(path);
    EXPECT_TRUE(
        bytes.startsWith(Gbk::encode(u"\"2026-1-1\",\"元旦\",\"冬月\",\"十三\",\"\",\"\"\r\n")));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 365 + 365);
    const CalendarLookup found = lookupCalendarDay(bytes, u"2027-2-6");
    EXPECT_TRUE(found.yearHeld);
    ASSERT_TRUE(found.fields);
    EXPECT_EQ(*found.fields,
              (QStringList{u"2027-2-6"_s, u"春节"_s, u"正月"_s, u"初一"_s, u""_s, u""_s}));
}

TEST(CalendarTable, YearsItCannotReckonWriteNothing)
{
    InstallTree tree;
    const QString path = InstallTree::install(u"calendar.txt"_s);
    tree.writeRecords(path, {{u"2003-8-22"_s, u""_s, u"七月"_s, u"廿五"_s, u""_s, u""_s}});
    const QByteArray before = tree.readBytes(path);
    for (const auto &[from, to] : {std::pair{1799, 1900}, {2100, 2201}, {2025, 2024}}) {
        EXPECT_FALSE(calendarYearsProblem(from, to).isEmpty());
        const FileResult r = writeCalendarTable(tree.files(), path, from, to);
        EXPECT_FALSE(r.ok());
        EXPECT_FALSE(r.message().isEmpty());
        EXPECT_EQ(tree.readBytes(path), before);
    }
    EXPECT_TRUE(calendarDays(2025, 2024).isEmpty());
    EXPECT_TRUE(calendarYearsProblem(CalendarTableFirstYear, CalendarTableLastYear).isEmpty());
}
