#pragma once

#include <QDate>
#include <QString>
#include <QStringBuilder>

#include <variant>

// One field of a record: what a variant target of the record reader takes and
// what the record writer writes.
class RecordValue
{
public:
    enum class Kind { Empty, Text, Integer, Real, Boolean, Date, Null };

    RecordValue() = default;
    RecordValue(const QString &text)
        : m_value(text)
    {}
    RecordValue(QString &&text)
        : m_value(std::move(text))
    {}
    RecordValue(const char16_t *text)
        : m_value(QString::fromUtf16(text))
    {}
    template <typename A, typename B>
    RecordValue(const QStringBuilder<A, B> &text)
        : m_value(QString(text))
    {}
    RecordValue(int number)
        : m_value(qint64(number))
    {}
    RecordValue(qint64 number)
        : m_value(number)
    {}
    RecordValue(double number)
        : m_value(number)
    {}

    static RecordValue boolean(bool value);
    static RecordValue date(QDate value);
    static RecordValue null();

    Kind kind() const;
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isText() const { return kind() == Kind::Text; }
    bool isNumber() const { return kind() == Kind::Integer || kind() == Kind::Real; }

    // The text of a text value; a number in plain decimal; "" for an empty value.
    QString toText() const;
    qint64 toInteger() const;
    double toReal() const;
    bool toBoolean() const;
    QDate toDate() const;

    bool operator==(const RecordValue &other) const = default;

private:
    struct NullTag {
        bool operator==(const NullTag &) const = default;
    };
    using Storage = std::variant<std::monostate, QString, qint64, double, bool, QDate, NullTag>;
    explicit RecordValue(Storage value)
        : m_value(std::move(value))
    {}
    Storage m_value;
};

using Record = QList<RecordValue>;

// Plain decimal form of a number as the record writer stores it ("." as the
// decimal mark, the shortest form that reads back as the same number).
QString formatRecordNumber(double value);
