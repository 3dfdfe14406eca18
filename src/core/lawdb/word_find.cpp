#include "core/lawdb/word_find.h"

#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QChar Mask = u'~';

// The position of a ListErr entry: ten digits.
constexpr qsizetype PositionDigits = 10;

QString listErrEntry(qsizetype position, QChar character)
{
    return QString::number(position).rightJustified(PositionDigits, u'0') + u' ' + character;
}

} // namespace

QString errNoListPath()
{
    return InstallPaths::installDir() + u"errnolist.txt"_s;
}

ErrNoList LoadErrNoList(const RecordFile &files)
{
    ErrNoList list;
    const QString path = errNoListPath();
    if (!files.exists(path))
        return list;
    list.exists = true;
    auto reader = files.openForReading(path);
    if (!reader)
        return list;
    while (list.table.rows.size() < SpecialChars::Capacity && !reader->atEnd()) {
        SpecialCharRow row;
        if (!reader->readFields(row.character, row.unused, row.replacement, row.endMark))
            break;
        list.table.rows.append(std::move(row));
    }
    return list;
}

QString missingErrNoListMessage()
{
    return u"缺少特殊字符检查表!\r\n在正文内查找词时可能出错!"_s;
}

QString lowerKeepingLength(QStringView text)
{
    QString out = text.toString();
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out[i];
        if (c.isHighSurrogate() && i + 1 < out.size() && out[i + 1].isLowSurrogate()) {
            const char32_t lower = QChar::toLower(QChar::surrogateToUcs4(c, out[i + 1]));
            if (QChar::requiresSurrogates(lower)) {
                out[i] = QChar(QChar::highSurrogate(lower));
                out[i + 1] = QChar(QChar::lowSurrogate(lower));
            }
            ++i;
        } else if (!c.isSurrogate()) {
            out[i] = c.toLower();
        }
    }
    return out;
}

MaskedText ReplaceErrWD(QStringView text, const SpecialChars &table)
{
    MaskedText masked{text.toString(), {}};
    QString lowered = lowerKeepingLength(text);
    const qsizetype rows = std::min<qsizetype>(table.rows.size(), SpecialChars::Capacity);
    for (qsizetype k = 0; k < rows; ++k) {
        const SpecialCharRow &row = table.rows[k];
        if (row.character.isEmpty() || !row.endMark.isEmpty())
            break;
        // Masking a "~" with "~" would find the same place for ever.
        if (row.character.front() == Mask)
            continue;
        qsizetype p = lowered.indexOf(row.character);
        while (p >= 0) {
            masked.ListErr.append(listErrEntry(p + 1, masked.text[p]));
            masked.text[p] = Mask;
            lowered[p] = Mask;
            // Only an occurrence that covers the new mask can be new; every
            // one before it was looked at already.
            const qsizetype from = std::max<qsizetype>(0, p - row.character.size() + 1);
            p = lowered.indexOf(row.character, from);
        }
    }
    return masked;
}

QString RecoverErrWD(QStringView maskedText, const QStringList &ListErr)
{
    QString text = maskedText.toString();
    for (qsizetype i = ListErr.size() - 1; i >= 0; --i) {
        const QString &entry = ListErr[i];
        if (entry.size() != PositionDigits + 2 || entry[PositionDigits] != u' ')
            continue;
        bool ok = false;
        const qsizetype position = entry.first(PositionDigits).toLongLong(&ok);
        if (!ok || position < 1 || position > text.size())
            continue;
        text[position - 1] = entry.back();
    }
    return text;
}

QString ErrNoListCheckText2(QStringView word, const SpecialChars &table)
{
    QString w = word.toString();
    const qsizetype rows = std::min<qsizetype>(table.rows.size(), SpecialChars::WordRows);
    for (qsizetype k = 0; k < rows; ++k) {
        const SpecialCharRow &row = table.rows[k];
        if (row.character.isEmpty())
            continue;
        qsizetype p = w.indexOf(row.character);
        while (p >= 0) {
            w.replace(p, 1, row.replacement);
            p = w.indexOf(row.character, p + row.replacement.size());
        }
    }
    return w;
}

QString foundWordsLabel(int count)
{
    return u"查出 "_s + QString::number(count) + u" 个相同的字(词)"_s;
}

WordFindResult FindWord(QStringView text, QStringView text2, const ErrNoList &errNoList)
{
    WordFindResult result;
    QString w = lowerKeepingLength(text2.trimmed());
    QString searched;
    if (errNoList.exists) {
        MaskedText masked = ReplaceErrWD(text, errNoList.table);
        searched = lowerKeepingLength(masked.text);
        result.ListErr = std::move(masked.ListErr);
        w = ErrNoListCheckText2(w, errNoList.table);
    } else {
        searched = lowerKeepingLength(text);
    }

    if (!w.isEmpty()) {
        for (qsizetype p = searched.indexOf(w); p >= 0; p = searched.indexOf(w, p + 1)) {
            result.occurrences.append({p, w.size()});
            ++result.count;
        }
    }
    result.label36 = foundWordsLabel(result.count);
    result.label36Colour = result.count > 0 ? FoundColour : NotFoundColour;
    return result;
}

bool needsLongTextQuestion(qsizetype textLength)
{
    return textLength > LongTextLimit;
}

QString longTextQuestion(qsizetype textLength)
{
    return u"此记录"_s + QString::number(textLength / 10000) +
           u"万字, 可能需要较长时间。\r\n建议使用Word链接编辑。是否退出?"_s;
}
