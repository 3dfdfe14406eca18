#include "core/calendar/lunar_date.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

TEST(LunarNames, MonthsAndDays)
{
    const struct {
        LunarDate date;
        const char16_t *month;
        const char16_t *day;
    } cases[] = {
        {{1, false, 1}, u"正月", u"初一"},    {{2, false, 10}, u"二月", u"初十"},
        {{6, true, 11}, u"闰六月", u"十一"},  {{10, false, 19}, u"十月", u"十九"},
        {{11, false, 20}, u"冬月", u"二十"},  {{12, false, 21}, u"腊月", u"廿一"},
        {{12, true, 29}, u"闰腊月", u"廿九"}, {{7, false, 30}, u"七月", u"三十"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(lunarMonthName(c.date), QString::fromUtf16(c.month));
        EXPECT_EQ(lunarDayName(c.date.day), QString::fromUtf16(c.day));
    }
    EXPECT_EQ(lunarDayName(0), QString());
    EXPECT_EQ(lunarDayName(31), QString());
    EXPECT_EQ(lunarMonthName({13, false, 1}), QString());
}

TEST(LunarCalendar, NewYearsDays)
{
    const LunarCalendar lunar(2023, 2027);
    for (const QDate day : {QDate(2023, 1, 22), QDate(2024, 2, 10), QDate(2025, 1, 29),
                            QDate(2026, 2, 17), QDate(2027, 2, 6)}) {
        EXPECT_EQ(lunar.dateOf(day), (LunarDate{1, false, 1})) << day.toString().toStdString();
        const LunarDate eve = lunar.dateOf(day.addDays(-1));
        EXPECT_EQ(eve.month, 12);
        EXPECT_GE(eve.day, 29);
    }
}

// Days of leap months and of months whose new moon or deciding major term
// falls within minutes of midnight Beijing time.
TEST(LunarCalendar, LeapMonthsAndCloseCalls)
{
    const LunarCalendar lunar(1950, 2040);
    const struct {
        QDate day;
        LunarDate lunar;
    } cases[] = {
        {{2025, 6, 25}, {6, false, 1}},  {{2025, 7, 25}, {6, true, 1}},
        {{2025, 8, 22}, {6, true, 29}},  {{2025, 8, 23}, {7, false, 1}},
        {{2023, 3, 22}, {2, true, 1}},   {{2020, 5, 23}, {4, true, 1}},
        {{2033, 12, 22}, {11, true, 1}}, // the leap eleventh month of 2033
        {{1987, 7, 26}, {6, true, 1}},   // 处暑 at 00:10 on 1987-08-24
        {{1987, 8, 24}, {7, false, 1}},  {{2012, 8, 17}, {7, false, 1}}, // new moon 23:54
        {{1954, 2, 3}, {1, false, 1}},   {{2030, 2, 3}, {1, false, 1}},  // new moon 00:07
    };
    for (const auto &c : cases)
        EXPECT_EQ(lunar.dateOf(c.day), c.lunar) << c.day.toString(Qt::ISODate).toStdString();
}

TEST(LunarCalendar, MonthsAreWholeLunations)
{
    const QList<LunarMonth> months = lunarMonths(LunarFirstYear, LunarLastYear);
    ASSERT_FALSE(months.isEmpty());
    EXPECT_LE(months.front().start, QDate(LunarFirstYear, 1, 1));
    EXPECT_GE(months.back().end, QDate(LunarLastYear, 12, 31));
    for (qsizetype i = 0; i < months.size(); ++i) {
        const LunarMonth &m = months[i];
        const qint64 length = m.start.daysTo(m.end) + 1;
        EXPECT_TRUE(length == 29 || length == 30) << m.start.toString().toStdString();
        if (i == 0)
            continue;
        const LunarMonth &before = months[i - 1];
        EXPECT_EQ(before.end.addDays(1), m.start);
        // A leap month repeats the number of the month before it.
        const int expected = m.leap ? before.month : before.month % 12 + 1;
        EXPECT_EQ(m.month, expected) << m.start.toString().toStdString();
        EXPECT_FALSE(m.leap && before.leap);
    }
}

TEST(LunarCalendar, OutsideItsYearsNothing)
{
    EXPECT_TRUE(lunarMonths(LunarFirstYear - 1, 2000).isEmpty());
    EXPECT_TRUE(lunarMonths(2000, LunarLastYear + 1).isEmpty());
    EXPECT_TRUE(lunarMonths(2001, 2000).isEmpty());
    const LunarCalendar lunar(2025, 2025);
    EXPECT_FALSE(lunar.dateOf(QDate(2027, 6, 1)).isValid());
    EXPECT_FALSE(lunar.dateOf(QDate()).isValid());
}

// ICU's Chinese calendar, a second reckoning of the same rules, agrees on
// every month from 1900 to 2100 except those listed: ICU takes the Sun and
// the Moon from a shorter theory, and each of these months turns on a new
// moon or a major term less than 25 minutes from midnight Beijing time.
TEST(LunarCalendar, AgreesWithIcuExceptAtMidnightCloseCalls)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> icu(
        icu::Calendar::createInstance(icu::TimeZone::createTimeZone(u"Asia/Shanghai"),
                                      icu::Locale("zh_CN@calendar=chinese"), status));
    ASSERT_TRUE(U_SUCCESS(status));
    const auto icuDate = [&](QDate day) {
        // Noon in Beijing.
        icu->setTime((double(day.toJulianDay()) - 2440588.0) * 86400000.0 + 4 * 3600000.0, status);
        return LunarDate{icu->get(UCAL_MONTH, status) + 1,
                         icu->get(UCAL_IS_LEAP_MONTH, status) != 0, icu->get(UCAL_DATE, status)};
    };
    const QList<QDate> closeCalls = {
        {1914, 11, 18}, {1916, 2, 4},  {1917, 3, 23}, {1917, 4, 21}, {1920, 11, 11}, {1922, 6, 25},
        {1922, 7, 24},  {1954, 2, 3},  {1955, 2, 22}, {1987, 7, 26}, {1987, 8, 24},  {1999, 1, 17},
        {2012, 8, 17},  {2018, 11, 8}, {2027, 2, 6},  {2030, 2, 3},  {2057, 9, 28},  {2070, 3, 12},
    };
    for (const LunarMonth &m : lunarMonths(1900, 2100)) {
        if (m.start.year() < 1900 || closeCalls.contains(m.start))
            continue;
        EXPECT_EQ(icuDate(m.start), (LunarDate{m.month, m.leap, 1}))
            << m.start.toString(Qt::ISODate).toStdString();
        EXPECT_GE(icuDate(m.start.addDays(-1)).day, 29)
            << m.start.toString(Qt::ISODate).toStdString();
        ASSERT_TRUE(U_SUCCESS(status));
    }
}
