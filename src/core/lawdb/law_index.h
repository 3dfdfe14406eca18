#pragma once

#include <QList>
#include <QString>
#include <QStringView>

class RecordFile;

// One record of the law index: title, date ("yyyy-mm-dd", "0000-00-00" when
// undated), categories and issuing body (digits 1 to 9 followed by the
// body's name), validity. The four fields are kept joined, as the keyword
// test reads them, with the field boundaries beside them.
class LawRecord
{
public:
    LawRecord() = default;
    LawRecord(QStringView title, QStringView date, QStringView org, QStringView validity);
    // The four fields as they stand in the index file, decoded once into the joined text.
    static LawRecord fromBytes(QByteArrayView title, QByteArrayView date, QByteArrayView org,
                               QByteArrayView validity);

    QStringView title() const { return QStringView(m_text).first(m_dateAt); }
    QStringView date() const { return QStringView(m_text).sliced(m_dateAt, m_orgAt - m_dateAt); }
    QStringView org() const { return QStringView(m_text).sliced(m_orgAt, m_validAt - m_orgAt); }
    QStringView validity() const { return QStringView(m_text).sliced(m_validAt); }
    // Title, date, categories with issuing body and validity, without separators.
    const QString &joined() const { return m_text; }

private:
    QString m_text;
    qsizetype m_dateAt = 0;
    qsizetype m_orgAt = 0;
    qsizetype m_validAt = 0;
};

// Where a run of equal years starts in the index (record number, 1-based)
// and that year's text (the first four characters of the date).
struct YearIndexEntry {
    int first = 0;
    QString year;
    bool operator==(const YearIndexEntry &) const = default;
};

// The law index and the year index, read once at start-up.
struct LawTables {
    static constexpr int RecordCapacity = 180000;
    static constexpr int YearCapacity = 1000;

    QList<LawRecord> LawIndex;       // record i is LawIndex[i - 1]
    QList<YearIndexEntry> YearIndex; // entry n is YearIndex[n - 1]

    int count() const { return int(LawIndex.size()); }
    // Record i, 1 <= i <= count().
    const LawRecord &record(int i) const { return LawIndex[i - 1]; }
};

// The index file, "c:\program files\quorix\lawbase\index.txt".
QString lawIndexPath();

// Reads the index in one pass: at most 180000 records and 1000 year runs.
// Reading stops at the first record that cannot be read whole (or that
// would open year run 1001); the records before it stay. A missing file
// gives empty tables.
LawTables LoadIndex2(const RecordFile &files);
LawTables LoadIndex2(const QByteArray &indexBytes);
