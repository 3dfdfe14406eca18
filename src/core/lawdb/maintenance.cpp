#include "core/lawdb/maintenance.h"

#include "core/foundation/date_text.h"
#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"
#include "core/lawdb/law_browse.h"
#include "core/lawdb/law_index.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The running number takes the first 5 characters of an entry.
constexpr qsizetype NumberWidth = 5;

constexpr qsizetype NoteTextLength = 120;
constexpr qsizetype ReportTextLength = 100;

const QString Unknown = u"???"_s;

// The texts of one monthly source file, read as far as a search needed them.
// Records of one month follow each other in the index, so one file serves
// a whole run of them.
class MonthSource
{
public:
    MonthSource(const RecordFile &files, QString path)
        : m_path(std::move(path))
    {
        FileResult result;
        m_reader = files.openForReading(m_path, &result);
        if (!m_reader)
            m_failure = result;
    }

    const QString &path() const { return m_path; }

    // Text i (from 0), reading on as needed. Null past the last text, or
    // when reading failed on the way there (failure() tells).
    const QString *text(qsizetype i)
    {
        while (i >= m_texts.size()) {
            if (!m_reader || m_reader->atEnd())
                return nullptr;
            QString text;
            if (!m_reader->read(text)) {
                m_failure = FileResult::failure(FileResult::Error::ReadFailed, m_path,
                                                u"line "_s + QString::number(m_reader->line()));
                m_reader.reset();
                return nullptr;
            }
            m_texts.append(std::move(text));
            m_titles.append(sourceTitle(m_texts.back()));
        }
        return &m_texts[i];
    }
    const QString &title(qsizetype i) const { return m_titles[i]; }

    const std::optional<FileResult> &failure() const { return m_failure; }

private:
    QString m_path;
    std::optional<RecordReader> m_reader;
    QStringList m_texts;
    QStringList m_titles;
    std::optional<FileResult> m_failure;
};

QString yearText(int year)
{
    return QString::number(year).rightJustified(4, u'0');
}

QString monthText(int month)
{
    return QString::number(month).rightJustified(2, u'0');
}

FileResult appendReport(const RecordFile &files, QStringView name, const QList<Record> &records)
{
    if (records.isEmpty())
        return FileResult::success();
    RecordWriter writer = files.openForAppending(lawbaseFile(name));
    for (const Record &r : records)
        writer.write(r);
    return writer.commit();
}

} // namespace

QString lawbaseFile(QStringView name)
{
    return InstallPaths::installDir() + InstallPaths::lawbaseDir() + name;
}

// ---- Command1 ---------------------------------------------------------------

QString redundantEntry(int runningNumber, QStringView row)
{
    return QString::number(runningNumber).leftJustified(NumberWidth) + row;
}

QStringList duplicateEntries(const QStringList &rows, const QStringList &existingEntries,
                             int &runningNumber)
{
    QStringList added;
    const auto recorded = [&](const QString &row) {
        const auto holds = [&](const QString &entry) {
            return QStringView(entry).sliced(std::min(NumberWidth, entry.size())) == row;
        };
        return std::any_of(existingEntries.begin(), existingEntries.end(), holds) ||
               std::any_of(added.begin(), added.end(), holds);
    };
    for (qsizetype i = 0; i + 1 < rows.size(); ++i) {
        if (rows[i + 1].isEmpty())
            break;
        if (rows[i] != rows[i + 1] || recorded(rows[i]))
            continue;
        ++runningNumber;
        added.append(redundantEntry(runningNumber, rows[i]));
    }
    return added;
}

QList<QStringList> displayedPages(const QStringList &resultBuffer)
{
    QList<QStringList> pages;
    const qsizetype count = (resultBuffer.size() + RowsPerPage - 1) / RowsPerPage;
    pages.reserve(count);
    for (qsizetype p = 1; p <= count; ++p) {
        QStringList rows = pageOf(resultBuffer, int(p));
        rows.removeIf([](const QString &row) { return row.trimmed().isEmpty(); });
        pages.append(sortedForDisplay(std::move(rows)));
    }
    return pages;
}

DuplicateRowsResult recordDuplicateRows(const RecordFile &files, const QList<QStringList> &pages,
                                        int &runningNumber)
{
    DuplicateRowsResult out;
    const QString path = lawbaseFile(RedandentRecordsName);
    QStringList entries;
    if (files.exists(path)) {
        auto reader = files.openForReading(path, &out.result);
        if (!reader)
            return out;
        while (!reader->atEnd()) {
            const auto record = reader->readRecord();
            if (!record)
                break;
            entries.append(record->value(0).toText());
        }
    }

    int number = runningNumber;
    QStringList written;
    for (const QStringList &rows : pages) {
        const QStringList added = duplicateEntries(rows, entries, number);
        entries += added;
        written += added;
    }

    // The file is made even when there is nothing to add.
    RecordWriter writer = files.openForAppending(path);
    for (const QString &entry : std::as_const(written))
        writer.write({entry});
    out.result = writer.commit();
    if (out.result) {
        runningNumber = number;
        out.written = std::move(written);
    }
    return out;
}

// ---- Command2 ---------------------------------------------------------------

QString monthlySourceFile(int year, int month)
{
    return lawbaseFile(QString(yearText(year) + monthText(month) + u".txt"_s));
}

QString sourceTitle(QStringView text)
{
    QStringView head = text;
    if (const qsizetype issuer = head.indexOf(u"【颁布单位】"); issuer >= 0)
        head = head.first(issuer);
    if (const qsizetype label = head.indexOf(u"题】"); label >= 0)
        head = head.sliced(label + 2);
    return head.trimmed().toString();
}

MissingPartsCheck checkMissingParts(const RecordFile &files, const LawTables &tables)
{
    MissingPartsCheck check;
    if (tables.count() > 0)
        check.firstDate = tables.record(1).date().toString();

    QString lastText;
    QString lastTitle;
    QString lastYearMonth; // of the last file opened
    std::optional<MonthSource> source;

    const auto stop = [&](MissingPartsCheck::Stop why, int i) {
        check.stop = why;
        check.stoppedAt = i;
        check.note = u'(' + lastYearMonth + u')' + lastText.left(NoteTextLength);
    };

    for (int i = 1; i <= tables.count(); ++i) {
        const LawRecord &r = tables.record(i);
        const QString title = r.title().toString();
        const QString date = r.date().toString();
        if (r.org().isEmpty())
            check.missingOrg.append({title, date, Unknown, r.validity().toString()});
        if (r.validity().isEmpty())
            check.missingValid.append({title, date, r.org().toString(), Unknown});

        const std::optional<QDate> day = parseDateText(date);
        if (!day) {
            stop(MissingPartsCheck::Stop::UnreadableDate, i);
            return check;
        }
        const QString path = monthlySourceFile(day->year(), day->month());
        lastYearMonth = yearText(day->year()) + monthText(day->month());
        if (!source || source->path() != path)
            source.emplace(files, path);

        const QString wanted = r.title().trimmed().toString();
        bool found = false;
        for (qsizetype t = 0;; ++t) {
            const QString *text = source->text(t);
            if (!text)
                break;
            lastText = *text;
            lastTitle = source->title(t);
            if (lastTitle == wanted) {
                found = true;
                break;
            }
        }
        if (const auto &failure = source->failure()) {
            stop(failure->error == FileResult::Error::NotFound
                     ? MissingPartsCheck::Stop::MissingFile
                     : MissingPartsCheck::Stop::UnreadableFile,
                 i);
            check.stopPath = source->path();
            check.stopDetail = failure->message();
            return check;
        }
        if (!found)
            check.missingContent.append(
                {title, date, lastText.left(ReportTextLength), lastTitle + u"最后可读标题"_s});
    }
    return check;
}

FileResult appendMissingReports(const RecordFile &files, const MissingPartsCheck &check)
{
    if (FileResult r = appendReport(files, MissingOrgName, check.missingOrg); !r)
        return r;
    if (FileResult r = appendReport(files, MissingValidName, check.missingValid); !r)
        return r;
    return appendReport(files, MissingContentName, check.missingContent);
}

// ---- Form2 ------------------------------------------------------------------

QStringList form2Rows(const QList<YearIndexEntry> &yearIndex)
{
    QStringList rows;
    for (qsizetype k = 1; k <= Form2MaxRows && k <= yearIndex.size(); ++k) {
        const YearIndexEntry &e = yearIndex[k - 1];
        if (e.first == 0)
            break;
        rows.append(QString::number(k).leftJustified(6) +
                    QString::number(e.first).leftJustified(8) + u"  "_s + e.year);
    }
    return rows;
}
