#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTime>

#include <optional>

class RecordFile;

// The calendar line: the Gregorian date, the weekday and the lunar date of a
// day with its notes, looked up in the calendar table.

// The calendar key of a day, the table's lookup key: the last four
// characters of "20" and the year, "-", the month, "-", the day, without
// leading zeros (2003-8-22).
QString calendarKey(QDate day);

// The weekday of a day as the line names it: "日", "一" ... "六".
QString weekdayName(QDate day);

// The line's text colours, as the system writes colours (blue, green, red
// bytes from the high end: 0x8000 is green).
inline constexpr quint32 PlainDayColour = 0x8000; // a day without notes
inline constexpr quint32 NoteDayColour = 0x80FF;  // a day with notes: orange
inline constexpr quint32 TodayColour = 0x40C0;    // today: dark red

struct CalendarLine {
    QString caption;
    quint32 colour = PlainDayColour;
    bool operator==(const CalendarLine &) const = default;
};

// What the table says about a key: whether it holds any day of the key's
// year, and the six fields of the last record of that day (a day given
// twice takes the last record).
struct CalendarLookup {
    bool yearHeld = false;
    std::optional<QStringList> fields;
};
CalendarLookup lookupCalendarDay(const QByteArray &table, QStringView key);

// CalendarShow(date): the line after showing the day of the key `date`,
// the line being `shown` before. A day of a year the table does not hold
// (or no table) empties the caption; a day missing from a year it holds
// leaves the line as it was. The day of `today` (in the key form or
// without its first two characters) then takes the today colour and, on a
// caption that is not empty, the today mark.
CalendarLine CalendarShow(const RecordFile &files, const QString &tablePath, QStringView date,
                          QDate today, CalendarLine shown);

// The today mark: "今天" in place of the caption's first two characters
// ("公元"); an empty caption stays empty.
QString markedToday(const QString &caption);

// The periodic refresh runs at the seconds 0, 10 ... 50 of the minutes 0,
// 10 ... 50, while no reminder day is locked (ReminderFlag 0).
bool calendarRefreshDue(QTime now, int ReminderFlag);
