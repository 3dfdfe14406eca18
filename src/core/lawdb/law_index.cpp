#include "core/lawdb/law_index.h"

#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"

using namespace Qt::StringLiterals;

LawRecord::LawRecord(QStringView title, QStringView date, QStringView org, QStringView validity)
    : m_dateAt(title.size())
    , m_orgAt(title.size() + date.size())
    , m_validAt(title.size() + date.size() + org.size())
{
    m_text.reserve(m_validAt + validity.size());
    m_text.append(title).append(date).append(org).append(validity);
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
    QString title, date, org, validity;
    while (tables.count() < LawTables::RecordCapacity) {
        if (reader.atEnd())
            break;
        if (!reader.readFields(title, date, org, validity))
            break;
        const QString year = date.left(4);
        if (first || year != previousYear) {
            if (tables.YearIndex.size() >= LawTables::YearCapacity)
                break;
            tables.YearIndex.append({tables.count() + 1, year});
            previousYear = year;
            first = false;
        }
        tables.LawIndex.append(LawRecord(title, date, org, validity));
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
