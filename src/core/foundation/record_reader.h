#pragma once

#include "core/foundation/record_value.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// Reads the comma-separated record format field by field:
//  - leading spaces are skipped;
//  - a field that begins with a double quote holds everything up to the next
//    double quote, commas and line breaks included; whatever follows up to the
//    next comma or line end is skipped;
//  - any other field is everything up to the next comma or line end;
//  - a line end (CR LF, LF or CR) after a field ends the record.
// Fields form one stream: reading N fields takes them in order, from the next
// line when the current one has fewer. The rules work on the raw bytes; a
// field is decoded from code page 936 only when its text is taken.
class RecordReader
{
public:
    enum class Error { None, PastEnd, TypeMismatch, Overflow };

    // One field as it stands in the file.
    struct RawField {
        QByteArrayView bytes; // between the quotes for a quoted field
        bool quoted = false;
        bool endsRecord = false; // a line end (or the end of the file) followed it
    };

    RecordReader() = default;
    explicit RecordReader(QByteArray bytes);

    // True when nothing but line ends, blanks and an end-of-file mark is left.
    bool atEnd() const;

    // The next field, or nullopt past the end (which sets Error::PastEnd).
    std::optional<RawField> nextField();

    // Typed reads: each takes the next field. On failure the target is left
    // as it was, error() tells why and the field is consumed.
    bool read(QString &target);
    bool read(qint16 &target);
    bool read(RecordValue &target);

    // Reads one field into each target in order; stops at the first failure.
    template <typename... Targets> bool readFields(Targets &...targets)
    {
        return (read(targets) && ...);
    }

    // Every field up to the end of the current record, as variants.
    std::optional<Record> readRecord();

    Error error() const { return m_error; }
    // 1-based line of the field read last, for messages.
    int line() const;
    qsizetype position() const { return m_pos; }
    const QByteArray &bytes() const { return m_bytes; }

    // How a field is taken by a variant target.
    static RecordValue toValue(const RawField &field);
    // How a field is taken by a 16-bit integer target.
    static std::optional<qint16> toInt16(const RawField &field, Error *error);

private:
    void skipLineEnd();

    QByteArray m_bytes;
    qsizetype m_pos = 0;
    qsizetype m_fieldStart = 0;
    mutable qsizetype m_countedTo = 0;
    mutable int m_countedLines = 1;
    Error m_error = Error::None;
};
