#pragma once

#include <QDate>
#include <QList>
#include <QString>

// A day of the Chinese lunar calendar (农历).
struct LunarDate {
    int month = 0; // 1 (正月) to 12 (腊月)
    bool leap = false;
    int day = 0; // 1 to 30
    bool operator==(const LunarDate &) const = default;

    bool isValid() const { return month >= 1 && month <= 12 && day >= 1 && day <= 30; }
};

// "正月" ... "十月", "冬月", "腊月"; a leap month with "闰" before it.
QString lunarMonthName(const LunarDate &date);
// "初一" ... "初十", "十一" ... "二十", "廿一" ... "廿九", "三十".
QString lunarDayName(int day);

// The years whose lunar dates can be reckoned.
inline constexpr int LunarFirstYear = 1800;
inline constexpr int LunarLastYear = 2200;

// A lunar month: its first day, its number and whether it is a leap month.
struct LunarMonth {
    QDate start;
    QDate end; // its last day
    int month = 0;
    bool leap = false;
};

// The lunar months that hold the days of the Gregorian years fromYear to
// toYear, in order, reckoned by the rules of the Chinese calendar in
// Beijing time: a month starts on the day of a new moon; the month that
// holds the winter solstice (冬至) is the eleventh; when thirteen months
// start between one winter solstice's month and the next, the first of them
// that holds no major term (中气) is a leap month, numbered as the month
// before it. Empty when the years are outside LunarFirstYear to
// LunarLastYear or fromYear > toYear.
// The new moons and terms come from astronomy.h, good to a minute: ICU's
// Chinese calendar follows the same rules with a shorter theory of the Sun
// and the Moon, and puts some months a day off where a new moon or a major
// term falls minutes from midnight (the new year of 2027, the leap month of
// 1987 among them).
QList<LunarMonth> lunarMonths(int fromYear, int toYear);

// The lunar dates of the days of a range of Gregorian years.
class LunarCalendar
{
public:
    LunarCalendar(int fromYear, int toYear);

    // The lunar date of the day; an invalid LunarDate outside the years.
    LunarDate dateOf(QDate day) const;
    const QList<LunarMonth> &months() const { return m_months; }

private:
    QList<LunarMonth> m_months;
};
