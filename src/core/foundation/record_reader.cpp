#include "core/foundation/record_reader.h"

#include "core/foundation/gbk.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

QByteArrayView trimmedAscii(QByteArrayView v)
{
    while (!v.isEmpty() && (v.front() == ' ' || v.front() == '\t'))
        v = v.sliced(1);
    while (!v.isEmpty() && (v.back() == ' ' || v.back() == '\t'))
        v.chop(1);
    return v;
}

// A plain decimal number: optional sign, digits with an optional fraction,
// optional exponent.
bool isDecimalNumber(QByteArrayView v, bool *integral)
{
    qsizetype i = 0;
    const qsizetype n = v.size();
    if (i < n && (v[i] == '+' || v[i] == '-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && v[i] >= '0' && v[i] <= '9') {
        ++i;
        ++digits;
    }
    *integral = true;
    if (i < n && v[i] == '.') {
        *integral = false;
        ++i;
        while (i < n && v[i] >= '0' && v[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (v[i] == 'e' || v[i] == 'E')) {
        *integral = false;
        ++i;
        if (i < n && (v[i] == '+' || v[i] == '-'))
            ++i;
        qsizetype expDigits = 0;
        while (i < n && v[i] >= '0' && v[i] <= '9') {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    return i == n;
}

double parseDouble(QByteArrayView v)
{
    if (!v.isEmpty() && v.front() == '+')
        v = v.sliced(1);
    double d = 0;
    std::from_chars(v.data(), v.data() + v.size(), d);
    return d;
}

// The writer's "#...#" form of a truth value, null or date.
std::optional<RecordValue> hashValue(QByteArrayView inner)
{
    const QByteArray upper = inner.toByteArray().toUpper();
    if (upper == "TRUE")
        return RecordValue::boolean(true);
    if (upper == "FALSE")
        return RecordValue::boolean(false);
    if (upper == "NULL")
        return RecordValue::null();
    const QDate date = QDate::fromString(
        QString::fromLatin1(inner.first(std::min<qsizetype>(10, inner.size()))), u"yyyy-MM-dd");
    if (date.isValid())
        return RecordValue::date(date);
    return std::nullopt;
}

} // namespace

RecordReader::RecordReader(QByteArray bytes)
    : m_bytes(std::move(bytes))
{}

bool RecordReader::atEnd() const
{
    for (qsizetype i = m_pos; i < m_bytes.size(); ++i) {
        const char c = m_bytes.at(i);
        if (c != '\r' && c != '\n' && c != ' ' && c != '\t' && c != '\x1a')
            return false;
    }
    return true;
}

void RecordReader::skipLineEnd()
{
    if (m_pos < m_bytes.size() && m_bytes.at(m_pos) == '\r')
        ++m_pos;
    if (m_pos < m_bytes.size() && m_bytes.at(m_pos) == '\n')
        ++m_pos;
}

int RecordReader::line() const
{
    // Counted on demand: a line ends at LF, or at a CR not followed by LF.
    if (m_fieldStart < m_countedTo) {
        m_countedTo = 0;
        m_countedLines = 1;
    }
    const char *data = m_bytes.constData();
    for (qsizetype i = m_countedTo; i < m_fieldStart; ++i) {
        if (data[i] == '\n' ||
            (data[i] == '\r' && (i + 1 >= m_bytes.size() || data[i + 1] != '\n')))
            ++m_countedLines;
    }
    m_countedTo = m_fieldStart;
    return m_countedLines;
}

std::optional<RecordReader::RawField> RecordReader::nextField()
{
    const qsizetype size = m_bytes.size();
    if (m_pos >= size) {
        m_error = Error::PastEnd;
        return std::nullopt;
    }
    const char *data = m_bytes.constData();
    while (m_pos < size && data[m_pos] == ' ')
        ++m_pos;
    m_fieldStart = m_pos;

    RawField field;
    qsizetype end = m_pos;
    if (m_pos < size && data[m_pos] == '"') {
        field.quoted = true;
        const qsizetype start = m_pos + 1;
        const void *quote = std::memchr(data + start, '"', size_t(size - start));
        const qsizetype close = quote ? static_cast<const char *>(quote) - data : size;
        field.bytes = QByteArrayView(data + start, close - start);
        end = close < size ? close + 1 : size;
    } else {
        const qsizetype start = m_pos;
        while (end < size && data[end] != ',' && !isLineEnd(data[end]))
            ++end;
        field.bytes = QByteArrayView(data + start, end - start);
    }
    // Skip to the comma or line end that closes the field.
    while (end < size && data[end] != ',' && !isLineEnd(data[end]))
        ++end;
    m_pos = end;
    if (m_pos >= size) {
        field.endsRecord = true;
    } else if (data[m_pos] == ',') {
        ++m_pos;
    } else {
        field.endsRecord = true;
        skipLineEnd();
    }
    return field;
}

RecordValue RecordReader::toValue(const RawField &field)
{
    if (field.quoted)
        return RecordValue(Gbk::decode(field.bytes));
    const QByteArrayView v = trimmedAscii(field.bytes);
    if (v.isEmpty())
        return RecordValue();
    bool integral = false;
    if (isDecimalNumber(v, &integral)) {
        if (integral) {
            qint64 n = 0;
            const QByteArrayView digits = v.front() == '+' ? v.sliced(1) : v;
            const auto r = std::from_chars(digits.data(), digits.data() + digits.size(), n);
            if (r.ec == std::errc())
                return RecordValue(n);
        }
        return RecordValue(parseDouble(v));
    }
    if (v.size() >= 2 && v.front() == '#' && v.back() == '#') {
        if (auto hv = hashValue(v.sliced(1, v.size() - 2)))
            return *hv;
    }
    return RecordValue(Gbk::decode(field.bytes));
}

std::optional<qint16> RecordReader::toInt16(const RawField &field, Error *error)
{
    const QByteArrayView v = trimmedAscii(field.bytes);
    if (v.isEmpty())
        return qint16(0);
    bool integral = false;
    if (!isDecimalNumber(v, &integral)) {
        *error = Error::TypeMismatch;
        return std::nullopt;
    }
    // Whole numbers round half to even, as a conversion to a 16-bit integer does.
    const double d = std::nearbyint(parseDouble(v));
    if (d < std::numeric_limits<qint16>::min() || d > std::numeric_limits<qint16>::max()) {
        *error = Error::Overflow;
        return std::nullopt;
    }
    return qint16(d);
}

bool RecordReader::read(QString &target)
{
    const auto field = nextField();
    if (!field)
        return false;
    target = Gbk::decode(field->bytes);
    return true;
}

bool RecordReader::read(qint16 &target)
{
    const auto field = nextField();
    if (!field)
        return false;
    const auto value = toInt16(*field, &m_error);
    if (!value)
        return false;
    target = *value;
    return true;
}

bool RecordReader::read(RecordValue &target)
{
    const auto field = nextField();
    if (!field)
        return false;
    target = toValue(*field);
    return true;
}

std::optional<Record> RecordReader::readRecord()
{
    Record record;
    while (true) {
        const auto field = nextField();
        if (!field)
            return record.isEmpty() ? std::nullopt : std::optional<Record>(record);
        record.append(toValue(*field));
        if (field->endsRecord)
            return record;
    }
}
