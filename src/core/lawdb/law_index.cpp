#include "core/lawdb/law_index.h"

#include "core/foundation/gbk.h"
#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"

#include <vector>

using namespace Qt::StringLiterals;

LawRecord::LawRecord(QStringView title, QStringView date, QStringView org, QStringView validity)
    : m_dateAt(title.size())
    , m_orgAt(title.size() + date.size())
    , m_validAt(title.size() + date.size() + org.size())
{
    m_text.reserve(m_validAt + validity.size());
    m_text.append(title).append(date).append(org).append(validity);
}

LawRecord LawRecord::fromBytes(QByteArrayView title, QByteArrayView date, QByteArrayView org,
                               QByteArrayView validity)
{
    // Decoded into a scratch buffer first, so that the record's text is
    // allocated once at its exact size.
    thread_local std::vector<char16_t> scratch;
    const size_t room = size_t(title.size() + date.size() + org.size() + validity.size());
    if (scratch.size() < room)
        scratch.resize(room);
    char16_t *const begin = scratch.data();
    char16_t *d = begin;
    LawRecord r;
    d += Gbk::decodeInto(title, d);
    r.m_dateAt = d - begin;
    d += Gbk::decodeInto(date, d);
    r.m_orgAt = d - begin;
    d += Gbk::decodeInto(org, d);
    r.m_validAt = d - begin;
    d += Gbk::decodeInto(validity, d);
    r.m_text = QString(reinterpret_cast<const QChar *>(begin), d - begin);
    return r;
}

QString lawIndexPath()
{
    return InstallPaths::installDir() + u"lawbase\\index.txt"_s;
}

LawTables LoadIndex2(const QByteArray &indexBytes)
{
    LawTables tables;
    RecordReader reader(indexBytes);
    // About 80 bytes a record: reserve once instead of growing step by step.
    tables.LawIndex.reserve(
        std::min<qsizetype>(indexBytes.size() / 60 + 16, LawTables::RecordCapacity));
    QString previousYear;
    bool first = true;
    while (tables.count() < LawTables::RecordCapacity) {
        if (reader.atEnd())
            break;
        // Four fields, each taken as text whatever its form, as a text target takes it.
        std::optional<RecordReader::RawField> fields[4];
        bool complete = true;
        for (auto &field : fields) {
            field = reader.nextField();
            if (!field) {
                complete = false;
                break;
            }
        }
        if (!complete)
            break;
        LawRecord record = LawRecord::fromBytes(fields[0]->bytes, fields[1]->bytes,
                                                fields[2]->bytes, fields[3]->bytes);
        const QStringView year = record.date().left(4);
        if (first || year != previousYear) {
            if (tables.YearIndex.size() >= LawTables::YearCapacity)
                break;
            tables.YearIndex.append({tables.count() + 1, year.toString()});
            previousYear = year.toString();
            first = false;
        }
        tables.LawIndex.append(std::move(record));
    }
    tables.LawIndex.squeeze();
    return tables;
}

LawTables LoadIndex2(const RecordFile &files)
{
    const auto bytes = files.readAll(lawIndexPath());
    if (!bytes)
        return {};
    return LoadIndex2(*bytes);
}
