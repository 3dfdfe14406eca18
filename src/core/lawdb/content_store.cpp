#include "core/lawdb/content_store.h"

#include "core/foundation/date_text.h"
#include "core/foundation/gbk.h"
#include "core/foundation/record_file.h"
#include "core/lawdb/digit_code.h"
#include "core/lawdb/law_browse.h"

using namespace Qt::StringLiterals;

namespace {

// The GBK forms of the texts looked for in documents, encoded once.
struct DocumentMarks {
    QByteArray marker = Gbk::encode(RecordMarker());
    QByteArray damaged = Gbk::encode(DamagedPhrase());
    QByteArray issuer = Gbk::encode(LawLabels::Issuer);
    QByteArray dateEnd = Gbk::encode(u"期】");
    QByteArray inForce = Gbk::encode(LawLabels::InForce);
};

const DocumentMarks &marks()
{
    static const DocumentMarks m;
    return m;
}

QString trimmedLineEnds(QString s)
{
    while (!s.isEmpty() && (s.back() == u'\r' || s.back() == u'\n'))
        s.chop(1);
    return s;
}

// The title of a document from its bytes; nullopt without "【颁布单位】".
std::optional<QString> titleOf(QByteArrayView doc)
{
    const qsizetype issuer = Gbk::indexOf(doc, marks().issuer);
    if (issuer < 0)
        return std::nullopt;
    const QString before = trimmedLineEnds(Gbk::decode(doc.first(issuer)));
    const qsizetype bracket = before.indexOf(u'】');
    return before.sliced(bracket + 1).trimmed();
}

std::optional<QString> dateOf(QByteArrayView doc)
{
    const qsizetype label = Gbk::indexOf(doc, marks().dateEnd);
    if (label < 0)
        return std::nullopt;
    const qsizetype start = label + marks().dateEnd.size();
    const qsizetype end = Gbk::indexOf(doc, marks().inForce, start);
    if (end < 0)
        return std::nullopt;
    const auto date = parseDateText(Gbk::decode(doc.sliced(start, end - start)).trimmed());
    if (!date)
        return std::nullopt;
    return date->toString(u"yyyy-MM-dd"_s);
}

} // namespace

QByteArrayView NoDateTexts::entry(int i) const
{
    if (i < 1 || i > m_docs.size())
        return {};
    return m_docs[i - 1];
}

QString NoDateTexts::entryText(int i) const
{
    return Gbk::decode(entry(i));
}

void NoDateTexts::setBytes(QByteArray bytes, QList<QByteArrayView> docs, QString entry0)
{
    m_bytes = std::move(bytes);
    m_docs = std::move(docs);
    m_entry0 = std::move(entry0);
}

NoDateTexts LoadClass789Contents(const RecordFile &files)
{
    NoDateTexts texts;
    auto reader = files.openForReading(ContentFile(contentFileName(0, 0)));
    if (!reader)
        return texts;
    // The documents stay views into the file's bytes, which the table keeps.
    const QByteArray bytes = reader->bytes();
    QList<QByteArrayView> docs;
    bool complete = true;
    while (!reader->atEnd()) {
        if (docs.size() >= NoDateTexts::Capacity) {
            complete = false;
            break;
        }
        const auto field = reader->nextField();
        if (!field) {
            complete = false;
            break;
        }
        docs.append(field->bytes);
    }
    const QString entry0 = complete ? QString::number(docs.size()) : QString();
    texts.setBytes(bytes, std::move(docs), entry0);
    return texts;
}

QString documentTitle(QStringView document)
{
    const qsizetype issuer = document.indexOf(LawLabels::Issuer);
    if (issuer < 0)
        return {};
    const QString before = trimmedLineEnds(document.first(issuer).toString());
    return before.sliced(before.indexOf(u'】') + 1).trimmed();
}

std::optional<QString> documentDate(QStringView document)
{
    const qsizetype label = document.indexOf(u"期】");
    if (label < 0)
        return std::nullopt;
    const qsizetype start = label + 2;
    const qsizetype end = document.indexOf(LawLabels::InForce, start);
    if (end < 0)
        return std::nullopt;
    const auto date = parseDateText(document.sliced(start, end - start).trimmed());
    if (!date)
        return std::nullopt;
    return date->toString(u"yyyy-MM-dd"_s);
}

QString placeholderHeader(QStringView rowTitle)
{
    return LawLabels::Title.toString() + u"   "_s + rowTitle + u"\r\n"_s + LawLabels::Issuer +
           u"   ......\r\n"_s + LawLabels::Promulgated + u"   ......\r\n"_s + LawLabels::InForce +
           u"   ......\r\n"_s + LawLabels::Validity + u"   ......"_s;
}

ShowResult FindContents2(const RecordFile &files, const NoDateTexts &noDateTexts,
                         QStringView selectedRow)
{
    const QStringView row = selectedRow.trimmed();
    if (row.isEmpty())
        return {};
    const LawRowParts parts = splitLawRow(row);

    std::optional<RecordReader> reader;
    if (!parts.undated) {
        const auto date = parseDateText(parts.date);
        if (!date)
            return {ShowResult::Kind::NotFound, {}};
        const QString path = ContentFile(contentFileName(date->year(), date->month()));
        if (!files.exists(path))
            return {ShowResult::Kind::Placeholder, placeholderHeader(parts.title)};
        reader = files.openForReading(path);
        if (!reader)
            return {ShowResult::Kind::NotFound, {}};
    }

    int entry = 1;
    const auto next = [&]() -> std::optional<QByteArrayView> {
        if (reader) {
            if (reader->atEnd())
                return std::nullopt;
            const auto field = reader->nextField();
            if (!field)
                return std::nullopt;
            return field->bytes;
        }
        if (entry >= NoDateTexts::Capacity)
            return std::nullopt;
        const QByteArrayView doc = noDateTexts.entry(entry++);
        if (doc.isEmpty())
            return std::nullopt;
        return doc;
    };

    while (const auto doc = next()) {
        if (Gbk::indexOf(*doc, marks().marker) < 0)
            return {ShowResult::Kind::IllegalFormat, {}};
        if (Gbk::indexOf(*doc, marks().damaged) >= 0)
            return {ShowResult::Kind::Damaged, {}};
        const auto title = titleOf(*doc);
        if (!title || title->compare(parts.title, Qt::CaseInsensitive) != 0)
            continue;
        if (!parts.undated && dateOf(*doc) != parts.date)
            continue;
        return {ShowResult::Kind::Document, Gbk::decode(*doc) + u"\r\n"_s};
    }
    return {ShowResult::Kind::NotFound, {}};
}
