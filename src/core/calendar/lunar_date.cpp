#include "core/calendar/lunar_date.h"

#include "core/calendar/astronomy.h"
#include "core/calendar/solar_terms.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t Digits[] = u"一二三四五六七八九十";

const char16_t *const MonthNames[12] = {u"正月", u"二月", u"三月", u"四月", u"五月", u"六月",
                                        u"七月", u"八月", u"九月", u"十月", u"冬月", u"腊月"};

// The mean length of a lunation, in days, and the new moons per year.
constexpr double SynodicMonth = 29.530588861;
constexpr double LunationsPerYear = 365.2425 / SynodicMonth;

// The index of the last day in the sorted days that is not after `day`; -1
// when every one is after it.
qsizetype lastNotAfter(const QList<QDate> &days, QDate day)
{
    return std::upper_bound(days.begin(), days.end(), day) - days.begin() - 1;
}

} // namespace

QString lunarMonthName(const LunarDate &date)
{
    if (date.month < 1 || date.month > 12)
        return {};
    const QString name = QString::fromUtf16(MonthNames[date.month - 1]);
    return date.leap ? u"闰"_s + name : name;
}

QString lunarDayName(int day)
{
    if (day < 1 || day > 30)
        return {};
    if (day <= 10)
        return u"初"_s + QChar(Digits[day - 1]);
    if (day == 20)
        return u"二十"_s;
    if (day == 30)
        return u"三十"_s;
    const QChar tens = day < 20 ? QChar(u'十') : QChar(u'廿');
    return QString(tens) + QChar(Digits[day % 10 - 1]);
}

QList<LunarMonth> lunarMonths(int fromYear, int toYear)
{
    QList<LunarMonth> months;
    if (fromYear > toYear || fromYear < LunarFirstYear || toYear > LunarLastYear)
        return months;
    // The winter solstices from the one before the first year to the one
    // after the last (the days after the last year's solstice belong to the
    // count that ends with the next one), and the major terms among them.
    QList<QDate> solstices;
    QList<QDate> majorTerms;
    for (int year = fromYear - 1; year <= toYear + 1; ++year) {
        for (const SolarTerm &term : solarTermsOf(year)) {
            if (term.isMajor())
                majorTerms.append(term.date);
            if (term.longitude == 270)
                solstices.append(term.date);
        }
    }
    // The days of the new moons, from before the first solstice to after
    // the last.
    QList<QDate> newMoons;
    const int firstK = int(std::floor((fromYear - 1 - 2000) * LunationsPerYear)) - 2;
    const int lastK = int(std::ceil((toYear + 2 - 2000) * LunationsPerYear)) + 2;
    for (int k = firstK; k <= lastK; ++k)
        newMoons.append(beijingDay(universalTime(newMoonJde(k))));

    const QDate first(fromYear, 1, 1);
    const QDate last(toYear, 12, 31);
    for (qsizetype s = 0; s + 1 < solstices.size(); ++s) {
        const qsizetype begin = lastNotAfter(newMoons, solstices[s]);
        const qsizetype end = lastNotAfter(newMoons, solstices[s + 1]);
        if (begin < 0 || end + 1 >= newMoons.size())
            continue;
        const bool leapYear = end - begin == 13;
        bool leapFound = false;
        int number = 11;
        for (qsizetype i = begin; i < end; ++i) {
            LunarMonth month;
            month.start = newMoons[i];
            month.end = newMoons[i + 1].addDays(-1);
            if (i > begin) {
                const qsizetype t = lastNotAfter(majorTerms, month.end);
                const bool holdsMajorTerm = t >= 0 && majorTerms[t] >= month.start;
                if (leapYear && !leapFound && !holdsMajorTerm)
                    leapFound = month.leap = true;
                else
                    number = number % 12 + 1;
            }
            month.month = number;
            if (month.end >= first && month.start <= last)
                months.append(month);
        }
    }
    return months;
}

LunarCalendar::LunarCalendar(int fromYear, int toYear)
    : m_months(lunarMonths(fromYear, toYear))
{}

LunarDate LunarCalendar::dateOf(QDate day) const
{
    const auto after = std::upper_bound(m_months.begin(), m_months.end(), day,
                                        [](QDate d, const LunarMonth &m) { return d < m.start; });
    if (after == m_months.begin())
        return {};
    const LunarMonth &month = *(after - 1);
    if (day > month.end)
        return {};
    return {month.month, month.leap, int(month.start.daysTo(day)) + 1};
}
