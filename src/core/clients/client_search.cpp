#include "core/clients/client_search.h"

#include "core/foundation/gbk.h"
#include "core/foundation/record_file.h"

#include <string>

using namespace Qt::StringLiterals;

namespace {

// The upper case of each character of the Basic Multilingual Plane, when
// that is one character (0 for the surrogates and for the characters whose
// upper case is longer, as ß -> SS), and the caseless characters: those
// that upper-case into themselves and into which no other character
// upper-cases. Such a character stands in an upper-cased text exactly where
// it stands in the text.
struct CaseTables {
    char16_t upper[0x10000];
    bool caseless[0x10000];

    CaseTables()
    {
        bool target[0x10000] = {};
        for (char32_t c = 0; c < 0x10000; ++c) {
            upper[c] = 0;
            if (QChar::isSurrogate(c))
                continue;
            const QString one{QChar(char16_t(c))};
            const QString up = one.toUpper();
            if (up.size() == 1)
                upper[c] = up[0].unicode();
            if (up != one) {
                for (QChar u : up)
                    target[u.unicode()] = true;
            }
        }
        for (char32_t c = 0; c < 0x10000; ++c)
            caseless[c] = !QChar::isSurrogate(c) && upper[c] == c && !target[c];
    }
};

const CaseTables &caseTables()
{
    static const CaseTables tables;
    return tables;
}

// Appends the upper case of the text to `out`.
void appendUpper(QStringView text, std::u16string &out)
{
    const CaseTables &t = caseTables();
    const size_t start = out.size();
    out.resize(start + size_t(text.size()));
    char16_t *d = out.data() + start;
    const char16_t *s = text.utf16();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = t.upper[s[i]];
        if (u == 0 && s[i] != 0) {
            out.resize(start);
            const QString longer = text.toString().toUpper();
            out.append(reinterpret_cast<const char16_t *>(longer.constData()),
                       size_t(longer.size()));
            return;
        }
        d[i] = u;
    }
}

// A plain substring test. The candidates are the places of the word's first
// character, which QStringView finds with vector instructions; most of a
// Chinese record is passed over at that speed.
bool occurs(QStringView haystack, QStringView word)
{
    if (word.isEmpty())
        return true;
    const qsizetype last = haystack.size() - word.size();
    const QChar first = word.front();
    const QStringView tail = word.sliced(1);
    qsizetype from = 0;
    while (from <= last) {
        const qsizetype at = haystack.indexOf(first, from);
        if (at < 0 || at > last)
            return false;
        if (haystack.sliced(at + 1, tail.size()) == tail)
            return true;
        from = at + 1;
    }
    return false;
}

// The word in the text followed by the category, without joining them.
bool occursInJoined(QStringView text, QStringView category, QStringView word)
{
    if (occurs(text, word) || occurs(category, word))
        return true;
    for (qsizetype k = 1; k < word.size(); ++k) {
        if (text.endsWith(word.first(k)) && category.startsWith(word.sliced(k)))
            return true;
    }
    return false;
}

// The keyword test: every word in the upper-cased text followed by the
// upper-cased category. A caseless word is looked for in the record as it
// stands; only a record that holds every caseless word is upper-cased, and
// only when a word with letters is asked for.
class KeywordTest
{
public:
    explicit KeywordTest(const KeyWords &keyWords)
    {
        const CaseTables &t = caseTables();
        for (const QString &w : keyWords.words()) {
            bool caseless = true;
            for (QChar c : w)
                caseless = caseless && t.caseless[c.unicode()];
            (caseless ? m_caseless : m_cased).append(w);
        }
    }

    bool matches(const ClientRecord &row)
    {
        for (const QString &w : m_caseless) {
            if (!occursInJoined(row.text, row.category, w))
                return false;
        }
        if (m_cased.isEmpty())
            return true;
        m_upper.clear();
        appendUpper(row.text, m_upper);
        appendUpper(row.category, m_upper);
        const QStringView upper(m_upper);
        for (const QString &w : m_cased) {
            if (!occurs(upper, w))
                return false;
        }
        return true;
    }

private:
    QStringList m_caseless;
    QStringList m_cased;
    std::u16string m_upper; // kept from row to row
};

} // namespace

QString clientUpper(QStringView text)
{
    std::u16string out;
    appendUpper(text, out);
    return QString(reinterpret_cast<const QChar *>(out.data()), qsizetype(out.size()));
}

namespace {

QString shownTimestamp(const QString &t)
{
    if (!t.startsWith(u'#'))
        return t;
    return t.size() < 2 ? QString() : t.mid(1, t.size() - 2);
}

} // namespace

std::optional<QDate> FindClientsDate(QStringView mode, QDate picker, QDate today, int ReminderFlag)
{
    if (mode.compare(u"DTBOUND", Qt::CaseInsensitive) == 0 ||
        (ReminderFlag == 1 && picker == today))
        return picker;
    return std::nullopt;
}

QStringList clientDateTexts(QDate date)
{
    const QString y = QString::number(date.year());
    const QString m = QString::number(date.month());
    const QString d = QString::number(date.day());
    const QString mm = m.rightJustified(2, u'0');
    const QString dd = d.rightJustified(2, u'0');
    return {
        y + u'-' + m + u'-' + d + u' ',   y + u'-' + mm + u'-' + dd, y + u'/' + m + u'/' + d + u' ',
        y + u'/' + mm + u'/' + dd,        y + mm + dd + u' ',        y + u'－' + mm + u'－' + dd,
        y + u'－' + m + u'－' + d + u' ',
    };
}

QString clientDateHit(QStringView text, const QStringList &dateTexts)
{
    bool found[7];
    for (int k = 0; k < 7; ++k)
        found[k] = occurs(text, dateTexts[k]);
    // Forms 1 and 2, and 3 and 4, are the same day with and without the
    // leading zeros: the padded form wins when both are there.
    if (found[0] && !found[1])
        return dateTexts[0];
    if (found[1])
        return dateTexts[1];
    if (found[2] && !found[3])
        return dateTexts[2];
    if (found[3])
        return dateTexts[3];
    for (int k = 4; k < 7; ++k) {
        if (found[k])
            return dateTexts[k];
    }
    return {};
}

FindClientsResult FindClients(const ClientReg &reg, const ClientQuery &query)
{
    FindClientsResult result;
    KeywordTest keywords(query.keyWords);
    const QStringList dates = query.date ? clientDateTexts(*query.date) : QStringList();
    const QString current = query.CurCategoryName.trimmed();
    for (int k = 1; k <= reg.count(); ++k) {
        const ClientRecord &row = reg.row(k);
        if (row.name.isEmpty())
            break;
        ++result.TotalRecords;
        if (query.Category != 10 &&
            row.category.trimmed().compare(current, Qt::CaseInsensitive) != 0)
            continue;
        QString dateHit;
        if (!query.keywordBoxBlank) {
            if (!keywords.matches(row))
                continue;
        } else if (query.date) {
            // Under a category of its own the date search asks for the
            // category exactly as it stands.
            if (query.Category != 10 && row.category != query.CurCategoryName)
                continue;
            dateHit = clientDateHit(row.text, dates);
            if (dateHit.isEmpty())
                continue;
        }
        if (result.ListBuffer.size() < ListBufferCapacity)
            result.ListBuffer.append(
                ClientListRow{{row.name, QString(), row.category, shownTimestamp(row.timestamp)}});
        if (!dateHit.isEmpty() && result.DateHits.size() < DateHitsCapacity)
            result.DateHits.append({row.name, dateHit});
    }
    result.RelevantRecords = int(result.ListBuffer.size());
    return result;
}

std::optional<QString> FindClientContents(const RecordFile &files, QStringView name)
{
    const auto mapped = files.map(clientsRegisterPath());
    if (!mapped)
        return std::nullopt;
    const QString wanted = name.toString().toUpper();
    RecordReader reader(mapped->rawData());
    while (!reader.atEnd()) {
        std::optional<RecordReader::RawField> fields[4];
        for (auto &field : fields) {
            field = reader.nextField();
            if (!field)
                return std::nullopt;
        }
        if (Gbk::decode(fields[0]->bytes).trimmed().toUpper() == wanted)
            return Gbk::decode(fields[3]->bytes);
    }
    return std::nullopt;
}
