#pragma once

#include "core/foundation/file_result.h"
#include "core/foundation/record_value.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <initializer_list>

// Writes records of the comma-separated format:
//  - values in order, separated by "," with no spaces;
//  - a text between double quotes, character for character;
//  - a number in plain decimal, "." as the decimal mark;
//  - an empty value as nothing;
//  - each record ended by CR LF.
// An ASCII double quote inside a text would end the field early when read
// back, so it is stored as the full-width quotation mark U+FF02 instead.
//
// Records collect in memory; commit() puts them into the file: a whole-file
// replace for Mode::Replace (the old file stays whole on failure), an
// append at the end for Mode::Append.
class RecordWriter
{
public:
    enum class Mode { Replace, Append };

    RecordWriter(QString hostPath, Mode mode);

    void write(std::initializer_list<RecordValue> values);
    void write(const Record &values);
    // Bytes already in the record format, added as they stand: records
    // carried over from a file without being read into values.
    void writeBytes(QByteArrayView bytes);

    [[nodiscard]] FileResult commit();

    const QString &hostPath() const { return m_hostPath; }
    const QByteArray &pending() const { return m_buffer; }

    // The bytes of one record, line end included.
    static QByteArray formatRecord(const RecordValue *values, qsizetype count);
    static void appendValue(QByteArray &out, const RecordValue &value);

private:
    QString m_hostPath;
    Mode m_mode;
    QByteArray m_buffer;
};
