#include "core/calendar/calendar_line.h"

#include "core/foundation/record_file.h"

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t WeekdayNames[] = u"日一二三四五六";

// The day of a key, or an invalid date when the key is not year-month-day.
QDate dateOfKey(QStringView key)
{
    const QList<QStringView> parts = key.split(u'-');
    if (parts.size() != 3)
        return {};
    bool ok[3];
    const int y = parts[0].toInt(&ok[0]);
    const int m = parts[1].toInt(&ok[1]);
    const int d = parts[2].toInt(&ok[2]);
    return ok[0] && ok[1] && ok[2] ? QDate(y, m, d) : QDate();
}

} // namespace

QString calendarKey(QDate day)
{
    return QString(u"20"_s + QString::number(day.year())).right(4) + u'-' +
           QString::number(day.month()) + u'-' + QString::number(day.day());
}

QString weekdayName(QDate day)
{
    // Qt counts Monday as 1 and Sunday as 7; the names start with Sunday.
    return QString(QChar(WeekdayNames[day.dayOfWeek() % 7]));
}

CalendarLookup lookupCalendarDay(const QByteArray &table, QStringView key)
{
    CalendarLookup found;
    // Keys are digits and hyphens, the same bytes in code page 936: the
    // first field of each record is compared as it stands in the file.
    const QByteArray wanted = key.toLatin1();
    const qsizetype hyphen = wanted.indexOf('-');
    const QByteArray year = hyphen > 0 ? wanted.left(hyphen + 1) : QByteArray();
    RecordReader reader(table);
    while (!reader.atEnd()) {
        const std::optional<RecordReader::RawField> first = reader.nextField();
        if (!first)
            break;
        const bool match = first->bytes == QByteArrayView(wanted);
        if (!year.isEmpty() && first->bytes.startsWith(year))
            found.yearHeld = true;
        QStringList fields;
        if (match)
            fields.append(RecordReader::toValue(*first).toText());
        bool recordEnded = first->endsRecord;
        while (!recordEnded) {
            const std::optional<RecordReader::RawField> field = reader.nextField();
            if (!field)
                break;
            if (match)
                fields.append(RecordReader::toValue(*field).toText());
            recordEnded = field->endsRecord;
        }
        if (match) {
            while (fields.size() < 6)
                fields.append(QString());
            found.fields = fields;
        }
    }
    return found;
}

CalendarLine CalendarShow(const RecordFile &files, const QString &tablePath, QStringView date,
                          QDate today, CalendarLine shown)
{
    const QDate day = dateOfKey(date);
    std::optional<MappedFile> table;
    if (day.isValid())
        table = files.map(tablePath);
    const CalendarLookup found =
        table ? lookupCalendarDay(table->rawData(), date) : CalendarLookup();
    // 1. A year the table does not hold: no line.
    if (!found.yearHeld) {
        shown.caption.clear();
        return shown;
    }
    // 2. to 4. The day's record, if there is one.
    if (found.fields) {
        const QStringList &f = *found.fields;
        shown.caption =
            u"公元"_s + f[0] + u" 星期"_s + weekdayName(day) + u" 农历"_s + f[2] + u'-' + f[3];
        shown.colour = PlainDayColour;
        if (!f[1].isEmpty() || !f[5].isEmpty()) {
            shown.caption += u'(' + f[1] + f[5] + u')';
            shown.colour = NoteDayColour;
        }
    }
    // 5. Today.
    const QString todayKey = calendarKey(today);
    if (date == todayKey || date == QStringView(todayKey).mid(2)) {
        shown.colour = TodayColour;
        shown.caption = markedToday(shown.caption);
    }
    return shown;
}

QString markedToday(const QString &caption)
{
    if (caption.isEmpty())
        return caption;
    return u"今天"_s + caption.mid(2);
}

bool calendarRefreshDue(QTime now, int ReminderFlag)
{
    return ReminderFlag == 0 && now.second() % 10 == 0 && now.minute() % 10 == 0;
}
