#include "core/lawdb/full_text.h"

#include "core/foundation/gbk.h"
#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"
#include "core/lawdb/content_store.h"
#include "core/lawdb/digit_code.h"

#include <QSet>

#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// Every character that appears in the upper case of another character.
// Those are the only characters an upper-cased text can hold without the
// original text holding them.
const QSet<char32_t> &caseTargets()
{
    static const QSet<char32_t> targets = [] {
        QSet<char32_t> t;
        for (char32_t c = 0; c < 0x10000; ++c) {
            if (QChar::isSurrogate(c))
                continue;
            const QString one{QChar(char16_t(c))};
            const QString upper = one.toUpper();
            if (upper != one) {
                for (char32_t u : upper.toUcs4())
                    t.insert(u);
            }
        }
        for (char32_t c = 0x10000; c <= 0x10FFFF; ++c) {
            const char32_t u = QChar::toUpper(c);
            if (u != c)
                t.insert(u);
        }
        return t;
    }();
    return targets;
}

bool isCaseless(char32_t c)
{
    return c != 0xFFFD && QChar::toUpper(c) == c && !caseTargets().contains(c);
}

bool upperStable(char32_t c)
{
    return QChar::toUpper(c) == c;
}

unsigned char asciiUpper(unsigned char b)
{
    return (b >= 'a' && b <= 'z') ? b - 32 : b;
}

bool isLeadByte(unsigned char b)
{
    return b >= 0x81 && b <= 0xFE;
}
bool isDigitByte(unsigned char b)
{
    return b >= 0x30 && b <= 0x39;
}

} // namespace

struct FullTextMatcher::Word {
    enum class Kind {
        Caseless, // one aligned byte search decides
        Ascii,    // letters: raw hit, else ASCII-folded search, else decide by decoding
        Other,    // decide by decoding (after the raw hit and the anchor)
    };
    Kind kind = Kind::Other;
    QString upper;
    QByteArray raw;
    QByteArray anchor; // the longest caseless run, when the word has letters
    QByteArray folded; // Ascii: the word in upper-case ASCII
    bool rawHitDecides = false;
};

FullTextMatcher::FullTextMatcher(const KeyWords &keyWords)
{
    for (const QString &w : keyWords.words()) {
        auto word = std::make_unique<Word>();
        word->upper = w;
        word->raw = Gbk::encode(w);
        const QList<uint> chars = w.toUcs4();
        bool allCaseless = true;
        bool allStable = true;
        bool ascii = true;
        QString run;
        QString bestRun;
        for (uint c : chars) {
            const bool caseless = isCaseless(c);
            allCaseless = allCaseless && caseless;
            allStable = allStable && upperStable(c);
            ascii = ascii && c < 0x80;
            if (caseless) {
                run += QString::fromUcs4(reinterpret_cast<const char32_t *>(&c), 1);
                if (run.size() > bestRun.size())
                    bestRun = run;
            } else {
                run.clear();
            }
        }
        word->rawHitDecides = allStable;
        if (allCaseless) {
            word->kind = Word::Kind::Caseless;
        } else if (ascii) {
            word->kind = Word::Kind::Ascii;
            word->folded = word->raw;
            for (char &b : word->folded)
                b = char(asciiUpper(static_cast<unsigned char>(b)));
        } else {
            word->kind = Word::Kind::Other;
            word->anchor = Gbk::encode(bestRun);
        }
        m_words.push_back(std::move(word));
    }
}

FullTextMatcher::~FullTextMatcher() = default;

namespace {

// Whether the bytes hold a four-byte form (or damaged bytes that look like
// one): a lead byte, a digit, a lead byte, a digit. Branch-free over blocks
// so that the compiler can vectorise it; only the block with a hit is
// looked at again.
bool hasFourByteForm(QByteArrayView doc)
{
    const auto *d = reinterpret_cast<const unsigned char *>(doc.data());
    const qsizetype n = doc.size();
    constexpr qsizetype Block = 64;
    qsizetype i = 0;
    for (; i + Block + 3 <= n; i += Block) {
        unsigned acc = 0;
        for (qsizetype k = i; k < i + Block; ++k) {
            const unsigned lead1 = unsigned(d[k] - 0x81u) <= 0x7Du;
            const unsigned digit1 = unsigned(d[k + 1] - 0x30u) <= 9u;
            const unsigned lead2 = unsigned(d[k + 2] - 0x81u) <= 0x7Du;
            const unsigned digit2 = unsigned(d[k + 3] - 0x30u) <= 9u;
            acc |= lead1 & digit1 & lead2 & digit2;
        }
        if (acc)
            return true;
    }
    for (; i + 3 < n; ++i) {
        if (isLeadByte(d[i]) && isDigitByte(d[i + 1]) && isLeadByte(d[i + 2]) &&
            isDigitByte(d[i + 3]))
            return true;
    }
    return false;
}

// An ASCII word in either case at a character boundary. The candidates are
// found with memchr for the upper and the lower case of the first letter.
bool foldedSearch(QByteArrayView doc, QByteArrayView folded)
{
    const char *d = doc.data();
    const qsizetype n = doc.size();
    const qsizetype m = folded.size();
    const char upper = folded[0];
    const char lower = (upper >= 'A' && upper <= 'Z') ? char(upper + 32) : upper;
    const auto next = [&](char c, qsizetype from) -> qsizetype {
        if (from > n - m)
            return n;
        const void *hit = std::memchr(d + from, c, size_t(n - m + 1 - from));
        return hit ? static_cast<const char *>(hit) - d : n;
    };
    qsizetype atUpper = next(upper, 0);
    qsizetype atLower = lower == upper ? n : next(lower, 0);
    while (true) {
        const qsizetype i = std::min(atUpper, atLower);
        if (i >= n)
            return false;
        qsizetype k = 1;
        while (k < m && char(asciiUpper(static_cast<unsigned char>(d[i + k]))) == folded[k])
            ++k;
        if (k == m && Gbk::isCharacterStart(doc, i))
            return true;
        if (i == atUpper)
            atUpper = next(upper, i + 1);
        else
            atLower = next(lower, i + 1);
    }
}

} // namespace

bool FullTextMatcher::matches(QByteArrayView doc) const
{
    QString upperDoc;
    bool decoded = false;
    const auto exact = [&](const QString &w) {
        if (!decoded) {
            upperDoc = Gbk::decode(doc).toUpper();
            decoded = true;
        }
        return upperDoc.contains(w);
    };
    for (const auto &w : m_words) {
        if (w->kind == Word::Kind::Caseless) {
            if (Gbk::indexOf(doc, w->raw) < 0)
                return false;
            continue;
        }
        if (w->kind == Word::Kind::Ascii) {
            // The folded search finds the word in every letter case, the
            // upper case included.
            if (foldedSearch(doc, w->folded))
                continue;
            // Only a four-byte character could still upper-case into the word.
            if (!hasFourByteForm(doc) || !exact(w->upper))
                return false;
            continue;
        }
        if (w->rawHitDecides && Gbk::indexOf(doc, w->raw) >= 0)
            continue;
        if (!w->anchor.isEmpty() && Gbk::indexOf(doc, w->anchor) < 0)
            return false;
        if (!exact(w->upper))
            return false;
    }
    return true;
}

QString fullTextRow(QStringView doc)
{
    QString date;
    const qsizetype inForce = doc.indexOf(u"实施日期");
    if (inForce >= 0) {
        const QStringView before = doc.first(std::max<qsizetype>(inForce - 3, 0));
        const qsizetype label = before.indexOf(u"颁布日期】");
        if (label >= 0)
            date = before.sliced(label + 5).trimmed().toString();
    }
    QString validity;
    const qsizetype v = doc.indexOf(u"性】");
    if (v >= 0) {
        QStringView text = doc.sliced(v + 2).left(18);
        const qsizetype cr = text.indexOf(u'\r');
        if (cr >= 0)
            text = text.first(cr);
        validity = text.trimmed().toString();
    }
    QString title;
    const qsizetype issuer = doc.indexOf(LawLabels::Issuer);
    if (issuer >= 0) {
        const QStringView before = doc.first(std::max<qsizetype>(issuer - 2, 0));
        const qsizetype label = before.indexOf(u"题】");
        if (label >= 0)
            title = before.sliced(std::min(label + 3, before.size())).trimmed().toString();
    }
    return lawRow(date, validity, title);
}

QString fullTextRow(QByteArrayView doc)
{
    // The header is at the start: decode a short prefix when it holds every
    // label the row needs, with room for the validity after its label. The
    // shortest such prefix ends a little after the validity label: 48 bytes
    // hold at least 24 UTF-16 units.
    static const QByteArray validityLabel = Gbk::encode(u"性】");
    const qsizetype label =
        Gbk::indexOf(doc.first(std::min<qsizetype>(doc.size(), 4096)), validityLabel);
    qsizetype shortest = 4096;
    if (label >= 0 && label + validityLabel.size() + 48 < doc.size())
        shortest = label + validityLabel.size() + 48;
    for (const qsizetype size : {shortest, qsizetype(512), qsizetype(4096)}) {
        if (doc.size() <= size)
            break;
        const QString prefix = Gbk::decode(doc.first(size));
        const qsizetype v = prefix.indexOf(u"性】");
        if (prefix.contains(u"实施日期") && prefix.contains(LawLabels::Issuer) && v >= 0 &&
            v + 2 + 18 < prefix.size() - 1)
            return fullTextRow(QStringView(prefix));
    }
    return fullTextRow(QStringView(Gbk::decode(doc)));
}

QString fullTextCutMessage()
{
    return u"结果过多，仅列出前180000条。"_s;
}

int fullTextBarValue(int p, int previous)
{
    if (p < 7)
        return 15;
    if (p < 9)
        return 18;
    if (p < 11)
        return 24;
    if (p < 13)
        return p + 30;
    if (p <= 70)
        return previous;
    return 95;
}

namespace {

class Scan
{
public:
    Scan(const FullTextMatcher &matcher, FullTextResult &result)
        : m_matcher(matcher)
        , m_result(result)
    {}

    // Returns false once the result buffer is full.
    bool document(QByteArrayView doc)
    {
        if (!m_matcher.matches(doc))
            return true;
        if (m_result.rows.size() >= FullTextCapacity) {
            m_result.cut = true;
            return false;
        }
        m_result.rows.append(fullTextRow(doc));
        return true;
    }

private:
    const FullTextMatcher &m_matcher;
    FullTextResult &m_result;
};

} // namespace

FullTextResult YearSearch2(const RecordFile &files, const NoDateTexts &noDateTexts,
                           const KeyWords &keyWords, YearMode mode, int comboYear, int currentYear,
                           const std::function<void(int width)> &onYear)
{
    FullTextResult result;
    const FullTextMatcher matcher(keyWords);
    Scan scan(matcher, result);

    const int from = mode == YearMode::After ? currentYear : comboYear;
    const int to = mode == YearMode::After ? comboYear : 1875;

    // The content folder is listed once; a month without its file is skipped.
    QSet<QString> present;
    for (const QString &name : files.listFiles(InstallPaths::contentDir()))
        present.insert(name.toLower());

    // One buffer for every file: its pages are reused instead of fresh ones per file.
    QByteArray buffer;
    bool full = false;
    int bar = 0;
    for (int y = from; y >= to && !full; --y) {
        const int p = int(100.0 * (1.0 - double(y - to) / (double(from - to) + 0.5)));
        bar = fullTextBarValue(p, bar);
        const int width = 8000 * bar / 100;
        result.barWidths.append(width);
        if (onYear)
            onYear(width);
        for (int m = 12; m >= 1 && !full; --m) {
            const QString name =
                DigitCode(QString(QString::number(y) + QString::number(m).rightJustified(2, u'0')));
            if (!present.contains(name + u".dll"_s))
                continue;
            if (!files.readInto(ContentFile(name), buffer))
                continue;
            // The reader sees the buffer without owning it, and ends before
            // the next file is read into it.
            RecordReader reader(QByteArray::fromRawData(buffer.constData(), buffer.size()));
            while (!reader.atEnd()) {
                const auto field = reader.nextField();
                if (!field)
                    break;
                if (!scan.document(field->bytes)) {
                    full = true;
                    break;
                }
            }
        }
    }
    if (to == 1875 && !full) {
        for (int i = 1; i < NoDateTexts::Capacity; ++i) {
            const QByteArrayView doc = noDateTexts.entry(i);
            if (doc.isEmpty() || !scan.document(doc))
                break;
        }
    }
    return result;
}
