#pragma once

#include "core/calendar/lunar_date.h"
#include "core/foundation/file_result.h"
#include "core/foundation/record_value.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class RecordFile;

// The calendar table "calendar.txt": one record per day of six text fields,
// the day (2003-8-22, no leading zeros), note 1 (the festivals of the day),
// the lunar month, the lunar day, a reserved field (empty) and note 2 (the
// solar term of the day).

inline constexpr int CalendarTableFirstYear = LunarFirstYear;
inline constexpr int CalendarTableLastYear = LunarLastYear;

// The festivals of a day, in this order: those of the Gregorian date
// (元旦, 劳动节, 国庆节 ... from the year each was first kept), then those of
// the lunar date (春节, 元宵节, 端午节, 中秋节 ..., in ordinary months only),
// and 除夕 on the last day of a lunar year.
QStringList festivalsOf(QDate date, const LunarDate &lunar, bool lastDayOfLunarYear);

struct CalendarDay {
    QDate date;
    QString note1;
    QString lunarMonth;
    QString lunarDay;
    QString note2;

    Record record() const;
};

// Why the years cannot be made into a table; empty when they can.
QString calendarYearsProblem(int fromYear, int toYear);

// Every day of the Gregorian years fromYear to toYear, in order. Empty when
// calendarYearsProblem() tells of a problem.
QList<CalendarDay> calendarDays(int fromYear, int toYear);

// Writes the table of those years to `path` (a system or host path),
// replacing the file whole. Years that calendarYearsProblem() refuses write
// nothing and give that problem as the failure's detail.
FileResult writeCalendarTable(const RecordFile &files, const QString &path, int fromYear,
                              int toYear);
