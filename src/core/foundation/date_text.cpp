#include "core/foundation/date_text.h"

#include <QList>

namespace {

// Splits "2003-4-1", "2003年4月1日", "4/1" ... into its numbers; false when
// anything but digits, separators and blanks around them is present.
bool splitNumbers(QStringView text, QList<QStringView> *numbers, bool *cjk)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool lastWasSeparator = true;
    while (i < n) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9') {
            if (!lastWasSeparator)
                return false;
            const qsizetype start = i;
            while (i < n && text[i] >= u'0' && text[i] <= u'9')
                ++i;
            numbers->append(text.sliced(start, i - start));
            lastWasSeparator = false;
            continue;
        }
        switch (c) {
        case u'-':
        case u'/':
        case u'.':
        case u',':
        case u'\uFF0D': // －
        case u'\uFF0F': // ／
        case u'\uFF0E': // ．
        case u'\uFF0C': // ，
            if (lastWasSeparator)
                return false;
            lastWasSeparator = true;
            break;
        case u'年':
        case u'月':
            if (lastWasSeparator)
                return false;
            *cjk = true;
            lastWasSeparator = true;
            break;
        case u'日':
            if (lastWasSeparator || i + 1 != n)
                return false;
            *cjk = true;
            lastWasSeparator = true;
            break;
        default:
            return false;
        }
        ++i;
    }
    return !numbers->isEmpty() && (!lastWasSeparator || *cjk);
}

int fullYear(QStringView digits)
{
    const int y = digits.toInt();
    if (digits.size() <= 2)
        return y >= 30 ? 1900 + y : 2000 + y;
    return y;
}

} // namespace

std::optional<QDate> parseDateText(QStringView text, int currentYear)
{
    text = text.trimmed();
    QList<QStringView> numbers;
    bool cjk = false;
    if (text.isEmpty() || !splitNumbers(text, &numbers, &cjk))
        return std::nullopt;
    for (QStringView part : numbers) {
        if (part.size() > 4)
            return std::nullopt;
    }
    QDate date;
    if (numbers.size() == 3) {
        // Year first, as dates are written here; month/day/year only when
        // the last number is the one with the four digits.
        if (numbers[2].size() >= 3 && numbers[0].size() <= 2 && !cjk)
            date = QDate(fullYear(numbers[2]), numbers[0].toInt(), numbers[1].toInt());
        else
            date = QDate(fullYear(numbers[0]), numbers[1].toInt(), numbers[2].toInt());
    } else if (numbers.size() == 2) {
        const int a = numbers[0].toInt();
        if (numbers[0].size() >= 3 || a > 31) {
            date = QDate(fullYear(numbers[0]), numbers[1].toInt(), 1);
        } else {
            date = QDate(currentYear, a, numbers[1].toInt());
            if (!date.isValid() && numbers[1].size() >= 3)
                date = QDate(fullYear(numbers[1]), a, 1);
        }
    }
    if (!date.isValid() || date.year() < 100 || date.year() > 9999)
        return std::nullopt;
    return date;
}
