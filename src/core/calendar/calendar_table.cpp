#include "core/calendar/calendar_table.h"

#include "core/calendar/calendar_line.h"
#include "core/calendar/solar_terms.h"
#include "core/foundation/record_file.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

// A festival of a fixed day of the Gregorian year, kept from `since` on
// (and until `until`, when it gave way to another).
struct GregorianFestival {
    int month, day;
    const char16_t *name;
    int since;
    int until = 9999;
};

constexpr GregorianFestival GregorianFestivals[] = {
    {1, 1, u"元旦", 1912},
    {3, 8, u"妇女节", 1911},
    {3, 12, u"植树节", 1979},
    {5, 1, u"劳动节", 1890},
    {5, 4, u"青年节", 1939},
    {6, 1, u"儿童节", 1950},
    {7, 1, u"建党节", 1941},
    {8, 1, u"建军节", 1933},
    {9, 10, u"教师节", 1985},
    {10, 1, u"国庆节", 1950},
    {12, 4, u"法制宣传日", 2001, 2013},
    {12, 4, u"国家宪法日", 2014},
};

// A festival of a lunar day of an ordinary (not leap) month.
struct LunarFestival {
    int month, day;
    const char16_t *name;
};

constexpr LunarFestival LunarFestivals[] = {
    {1, 1, u"春节"},    {1, 15, u"元宵节"}, {2, 2, u"龙抬头"},  {5, 5, u"端午节"},
    {7, 7, u"七夕"},    {7, 15, u"中元节"}, {8, 15, u"中秋节"}, {9, 9, u"重阳节"},
    {12, 8, u"腊八节"}, {12, 23, u"小年"},
};

} // namespace

QStringList festivalsOf(QDate date, const LunarDate &lunar, bool lastDayOfLunarYear)
{
    QStringList names;
    for (const GregorianFestival &f : GregorianFestivals) {
        if (f.month == date.month() && f.day == date.day() && date.year() >= f.since &&
            date.year() <= f.until)
            names.append(QString::fromUtf16(f.name));
    }
    if (!lunar.leap) {
        for (const LunarFestival &f : LunarFestivals) {
            if (f.month == lunar.month && f.day == lunar.day)
                names.append(QString::fromUtf16(f.name));
        }
    }
    if (lastDayOfLunarYear)
        names.append(u"除夕"_s);
    return names;
}

Record CalendarDay::record() const
{
    return {calendarKey(date), note1, lunarMonth, lunarDay, QString(), note2};
}

QString calendarYearsProblem(int fromYear, int toYear)
{
    if (fromYear < CalendarTableFirstYear || toYear > CalendarTableLastYear)
        return u"年份必须在 "_s + QString::number(CalendarTableFirstYear) + u" 到 "_s +
               QString::number(CalendarTableLastYear) + u" 之间"_s;
    if (fromYear > toYear)
        return u"起始年份不能晚于结束年份"_s;
    return {};
}

QList<CalendarDay> calendarDays(int fromYear, int toYear)
{
    QList<CalendarDay> days;
    if (!calendarYearsProblem(fromYear, toYear).isEmpty())
        return days;
    QHash<QDate, QString> terms;
    for (int year = fromYear; year <= toYear; ++year) {
        for (const SolarTerm &term : solarTermsOf(year))
            terms.insert(term.date, term.name());
    }
    // A lunar year never ends on the 31st of December, so the range's own
    // lunar months tell every last day of a lunar year.
    const LunarCalendar lunar(fromYear, toYear);
    const QDate last(toYear, 12, 31);
    days.reserve(int(QDate(fromYear, 1, 1).daysTo(last)) + 1);
    LunarDate today = lunar.dateOf(QDate(fromYear, 1, 1));
    for (QDate d(fromYear, 1, 1); d <= last; d = d.addDays(1)) {
        const LunarDate tomorrow = lunar.dateOf(d.addDays(1));
        const bool yearEnds = tomorrow.month == 1 && !tomorrow.leap && tomorrow.day == 1;
        CalendarDay day;
        day.date = d;
        day.note2 = terms.value(d);
        day.note1 = festivalsOf(d, today, yearEnds).join(u' ');
        // The two notes are shown one after the other: a blank keeps them apart.
        if (!day.note1.isEmpty() && !day.note2.isEmpty())
            day.note1 += u' ';
        day.lunarMonth = lunarMonthName(today);
        day.lunarDay = lunarDayName(today.day);
        days.append(day);
        today = tomorrow;
    }
    return days;
}

FileResult writeCalendarTable(const RecordFile &files, const QString &path, int fromYear,
                              int toYear)
{
    if (const QString problem = calendarYearsProblem(fromYear, toYear); !problem.isEmpty())
        return FileResult::failure(FileResult::Error::WriteFailed, files.hostPath(path), problem);
    RecordWriter writer = files.openForWriting(path);
    for (const CalendarDay &day : calendarDays(fromYear, toYear))
        writer.write(day.record());
    return writer.commit();
}
