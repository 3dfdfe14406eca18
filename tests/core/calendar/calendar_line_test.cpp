#include "core/calendar/calendar_line.h"

#include "support/install_tree.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString Table = InstallTree::install(u"calendar.txt"_s);

// A small table of 2003: a plain day, days with one note or both, a day
// given twice (the last record counts) and one written with leading zeros.
class CalendarLineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tree.writeRecords(
            Table, {
                       {u"2003-8-22"_s, u""_s, u"七月"_s, u"廿五"_s, u""_s, u""_s},
                       {u"2003-10-1"_s, u"国庆节"_s, u"九月"_s, u"初六"_s, u""_s, u""_s},
                       {u"2003-12-22"_s, u""_s, u"冬月"_s, u"廿九"_s, u""_s, u"冬至"_s},
                       {u"2003-9-11"_s, u"中秋节 "_s, u"八月"_s, u"十五"_s, u""_s, u"白露"_s},
                       {u"2003-5-1"_s, u"旧"_s, u"三月"_s, u"初一"_s, u""_s, u""_s},
                       {u"2003-5-1"_s, u"劳动节"_s, u"四月"_s, u"初一"_s, u""_s, u""_s},
                       {u"2003-06-01"_s, u"儿童节"_s, u"五月"_s, u"初二"_s, u""_s, u""_s},
                   });
    }
    CalendarLine show(const QString &date, CalendarLine shown = {},
                      QDate today = QDate(2010, 1, 1)) const
    {
        return CalendarShow(tree.files(), Table, date, today, shown);
    }

    InstallTree tree;
};

} // namespace

TEST(CalendarKey, YearMonthDayWithoutLeadingZeros)
{
    EXPECT_EQ(calendarKey(QDate(2003, 8, 22)), u"2003-8-22"_s);
    EXPECT_EQ(calendarKey(QDate(2025, 1, 5)), u"2025-1-5"_s);
    EXPECT_EQ(calendarKey(QDate(1999, 12, 31)), u"1999-12-31"_s);
    // Sunday is 日, the week's first name.
    EXPECT_EQ(weekdayName(QDate(2025, 6, 1)), u"日"_s);
    EXPECT_EQ(weekdayName(QDate(2003, 8, 22)), u"五"_s);
    EXPECT_EQ(weekdayName(QDate(2025, 6, 7)), u"六"_s);
}

TEST_F(CalendarLineTest, ThreeFormsInTheirColours)
{
    const struct {
        const char16_t *date;
        const char16_t *caption;
        quint32 colour;
    } cases[] = {
        {u"2003-8-22", u"公元2003-8-22 星期五 农历七月-廿五", PlainDayColour},
        {u"2003-10-1", u"公元2003-10-1 星期三 农历九月-初六(国庆节)", NoteDayColour},
        {u"2003-12-22", u"公元2003-12-22 星期一 农历冬月-廿九(冬至)", NoteDayColour},
        {u"2003-9-11", u"公元2003-9-11 星期四 农历八月-十五(中秋节 白露)", NoteDayColour},
        // A day given twice: the last record.
        {u"2003-5-1", u"公元2003-5-1 星期四 农历四月-初一(劳动节)", NoteDayColour},
    };
    for (const auto &c : cases) {
        const CalendarLine line = show(QString::fromUtf16(c.date));
        EXPECT_EQ(line.caption, QString::fromUtf16(c.caption));
        EXPECT_EQ(line.colour, c.colour) << QString::fromUtf16(c.date).toStdString();
    }
}

TEST_F(CalendarLineTest, TodayIsMarkedInDarkRed)
{
    const CalendarLine plain = show(u"2003-8-22"_s, {}, QDate(2003, 8, 22));
    EXPECT_EQ(plain.caption, u"今天2003-8-22 星期五 农历七月-廿五"_s);
    EXPECT_EQ(plain.colour, TodayColour);
    const CalendarLine noted = show(u"2003-10-1"_s, {}, QDate(2003, 10, 1));
    EXPECT_EQ(noted.caption, u"今天2003-10-1 星期三 农历九月-初六(国庆节)"_s);
    EXPECT_EQ(noted.colour, TodayColour);
}

TEST_F(CalendarLineTest, AMissingDayLeavesTheLineAsItWas)
{
    const CalendarLine before = show(u"2003-10-1"_s);
    // Not in the table, and a record written with leading zeros never matches.
    EXPECT_EQ(show(u"2003-8-23"_s, before), before);
    EXPECT_EQ(show(u"2003-6-1"_s, before), before);
    // Today missing from the table: only the today colour and mark change.
    const CalendarLine today = show(u"2003-8-23"_s, before, QDate(2003, 8, 23));
    EXPECT_EQ(today.caption, u"今天2003-10-1 星期三 农历九月-初六(国庆节)"_s);
    EXPECT_EQ(today.colour, TodayColour);
}

TEST_F(CalendarLineTest, AYearTheTableDoesNotHoldEmptiesTheLine)
{
    const CalendarLine before = show(u"2003-10-1"_s);
    for (const QString &date : {u"2002-12-31"_s, u"2004-1-1"_s, u"2019-5-1"_s, u"no date"_s}) {
        const CalendarLine line = show(date, before, QDate(2004, 1, 1));
        EXPECT_TRUE(line.caption.isEmpty()) << date.toStdString();
    }
    // No table at all: no line.
    ASSERT_TRUE(tree.files().deleteFile(Table));
    EXPECT_TRUE(show(u"2003-10-1"_s, before).caption.isEmpty());
}

TEST(CalendarLine, TodayMarkAndRefreshTimes)
{
    EXPECT_EQ(markedToday(u"公元2003-8-22 星期五"_s), u"今天2003-8-22 星期五"_s);
    EXPECT_EQ(markedToday(QString()), QString());
    const struct {
        QTime time;
        int reminderFlag;
        bool due;
    } cases[] = {
        {{10, 20, 30}, 0, true},  {{0, 0, 0}, 0, true},     {{23, 50, 50}, 0, true},
        {{10, 21, 30}, 0, false}, {{10, 20, 31}, 0, false}, {{10, 20, 30}, 1, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(calendarRefreshDue(c.time, c.reminderFlag), c.due)
            << c.time.toString().toStdString() << " " << c.reminderFlag;
}
