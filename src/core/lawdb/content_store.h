#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

class RecordFile;

// The undated texts, read once at start-up from the undated content file.
// The documents are kept as the file's GBK bytes.
class NoDateTexts
{
public:
    static constexpr int Capacity = 10000;

    // Entry i, 1 <= i < Capacity (entry 10000 is never examined); empty past the end.
    QByteArrayView entry(int i) const;
    QString entryText(int i) const;
    int count() const { return int(m_docs.size()); }
    // Entry 0: the number of documents as text, empty when the load failed.
    const QString &entry0() const { return m_entry0; }

    void setBytes(QByteArray bytes, QList<QByteArrayView> docs, QString entry0);

private:
    QByteArray m_bytes;
    QList<QByteArrayView> m_docs;
    QString m_entry0;
};

NoDateTexts LoadClass789Contents(const RecordFile &files);

// The title of a document: the text before "【颁布单位】" without its
// trailing CR and LF, from after its first "】", trimmed.
QString documentTitle(QStringView document);
// The promulgation date of a document: the text between the first "期】" and
// "【实施日期】", read as a date and written yyyy-mm-dd; nullopt when it
// cannot be read.
std::optional<QString> documentDate(QStringView document);

// What opening a law row gives.
struct ShowResult {
    enum class Kind {
        Nothing,       // the row is empty
        Document,      // text: the document followed by CR LF
        Placeholder,   // text: the header with the row title, the month file is missing
        NotFound,      // "没有查到!"
        IllegalFormat, // "非法格式!": a document without the record marker
        Damaged,       // "文件已损坏！"
    };
    Kind kind = Kind::Nothing;
    QString text;
};

ShowResult FindContents2(const RecordFile &files, const NoDateTexts &noDateTexts,
                         QStringView selectedRow);

// The placeholder header for a row whose month file is missing.
QString placeholderHeader(QStringView rowTitle);
