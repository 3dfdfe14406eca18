#include "core/foundation/record_writer.h"

#include "core/foundation/atomic_file.h"
#include "core/foundation/gbk.h"

namespace {

constexpr char16_t FullWidthQuote = 0xFF02;

} // namespace

RecordWriter::RecordWriter(QString hostPath, Mode mode)
    : m_hostPath(std::move(hostPath))
    , m_mode(mode)
{}

void RecordWriter::appendValue(QByteArray &out, const RecordValue &value)
{
    switch (value.kind()) {
    case RecordValue::Kind::Empty:
        return;
    case RecordValue::Kind::Text: {
        QString text = value.toText();
        text.replace(QChar(u'"'), QChar(FullWidthQuote));
        out += '"';
        out += Gbk::encode(text);
        out += '"';
        return;
    }
    case RecordValue::Kind::Integer:
    case RecordValue::Kind::Real:
        out += value.toText().toLatin1();
        return;
    case RecordValue::Kind::Boolean:
        out += value.toBoolean() ? "#TRUE#" : "#FALSE#";
        return;
    case RecordValue::Kind::Date:
        out += '#';
        out += value.toDate().toString(u"yyyy-MM-dd").toLatin1();
        out += '#';
        return;
    case RecordValue::Kind::Null:
        out += "#NULL#";
        return;
    }
}

QByteArray RecordWriter::formatRecord(const RecordValue *values, qsizetype count)
{
    QByteArray out;
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0)
            out += ',';
        appendValue(out, values[i]);
    }
    out += "\r\n";
    return out;
}

void RecordWriter::write(std::initializer_list<RecordValue> values)
{
    m_buffer += formatRecord(values.begin(), qsizetype(values.size()));
}

void RecordWriter::write(const Record &values)
{
    m_buffer += formatRecord(values.constData(), values.size());
}

void RecordWriter::writeBytes(QByteArrayView bytes)
{
    m_buffer += bytes;
}

FileResult RecordWriter::commit()
{
    if (m_mode == Mode::Replace)
        return AtomicFile::replace(m_hostPath, m_buffer);
    return AtomicFile::append(m_hostPath, m_buffer);
}
