#include "core/foundation/record_value.h"

#include <charconv>

using namespace Qt::StringLiterals;
#include <cmath>

RecordValue RecordValue::boolean(bool value)
{
    return RecordValue(Storage(value));
}
RecordValue RecordValue::date(QDate value)
{
    return RecordValue(Storage(value));
}
RecordValue RecordValue::null()
{
    return RecordValue(Storage(NullTag{}));
}

RecordValue::Kind RecordValue::kind() const
{
    return static_cast<Kind>(m_value.index());
}

QString RecordValue::toText() const
{
    switch (kind()) {
    case Kind::Empty:
    case Kind::Null:
        return {};
    case Kind::Text:
        return std::get<QString>(m_value);
    case Kind::Integer:
        return QString::number(std::get<qint64>(m_value));
    case Kind::Real:
        return formatRecordNumber(std::get<double>(m_value));
    case Kind::Boolean:
        return std::get<bool>(m_value) ? u"True"_s : u"False"_s;
    case Kind::Date:
        return std::get<QDate>(m_value).toString(u"yyyy-MM-dd");
    }
    return {};
}

qint64 RecordValue::toInteger() const
{
    switch (kind()) {
    case Kind::Integer:
        return std::get<qint64>(m_value);
    case Kind::Real:
        return qRound64(std::get<double>(m_value));
    case Kind::Boolean:
        return std::get<bool>(m_value) ? -1 : 0;
    case Kind::Text:
        return std::get<QString>(m_value).trimmed().toLongLong();
    default:
        return 0;
    }
}

double RecordValue::toReal() const
{
    switch (kind()) {
    case Kind::Integer:
        return double(std::get<qint64>(m_value));
    case Kind::Real:
        return std::get<double>(m_value);
    case Kind::Boolean:
        return std::get<bool>(m_value) ? -1.0 : 0.0;
    case Kind::Text:
        return std::get<QString>(m_value).trimmed().toDouble();
    default:
        return 0.0;
    }
}

bool RecordValue::toBoolean() const
{
    if (kind() == Kind::Boolean)
        return std::get<bool>(m_value);
    return isNumber() && toReal() != 0.0;
}

QDate RecordValue::toDate() const
{
    return kind() == Kind::Date ? std::get<QDate>(m_value) : QDate();
}

QString formatRecordNumber(double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, result.ptr - buf);
}
