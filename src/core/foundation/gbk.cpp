#include "core/foundation/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr char16_t ReplacementCharacter = 0xFFFD;

bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool isLead(unsigned char b)
{
    return b >= 0x81 && b <= 0xFE;
}
bool isTrail2(unsigned char b)
{
    return b >= 0x40 && b <= 0xFE && b != 0x7F;
}
bool isDigit4(unsigned char b)
{
    return b >= 0x30 && b <= 0x39;
}

// The converters are expensive to open; one pair per thread is kept.
QStringDecoder &decoder()
{
    thread_local QStringDecoder d("GB18030", QStringConverter::Flag::Stateless);
    return d;
}

QStringEncoder &encoder()
{
    thread_local QStringEncoder e("GB18030", QStringConverter::Flag::Stateless);
    return e;
}

} // namespace

namespace Gbk {

qsizetype characterLength(QByteArrayView bytes, qsizetype pos)
{
    const auto at = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const qsizetype left = bytes.size() - pos;
    if (left <= 0)
        return 0;
    const unsigned char b0 = at(pos);
    if (!isLead(b0) || left < 2)
        return 1;
    const unsigned char b1 = at(pos + 1);
    if (isTrail2(b1))
        return 2;
    if (isDigit4(b1) && left >= 4 && isLead(at(pos + 2)) && isDigit4(at(pos + 3)))
        return 4;
    return 1;
}

QString decode(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);

    // Decode run by run: valid sequences go through the converter, every byte
    // that starts no valid sequence becomes one replacement character, so a
    // damaged byte never swallows its neighbours.
    QString out;
    out.reserve(bytes.size());
    qsizetype runStart = 0;
    qsizetype pos = 0;
    const auto flush = [&](qsizetype end) {
        if (end > runStart)
            out += decoder().decode(bytes.sliced(runStart, end - runStart));
    };
    while (pos < bytes.size()) {
        const unsigned char b = static_cast<unsigned char>(bytes[pos]);
        const qsizetype len = characterLength(bytes, pos);
        if (b >= 0x80 && len == 1) {
            flush(pos);
            out += QChar(ReplacementCharacter);
            runStart = pos + 1;
        }
        pos += len;
    }
    flush(pos);
    return out;
}

QByteArray encode(QStringView text)
{
    bool ascii = true;
    for (QChar c : text) {
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return text.toLatin1();

    QByteArray out;
    out.reserve(text.size() * 2);
    // Unpaired surrogates are no characters; they are the only input the
    // converter cannot take, so they are replaced before it sees them.
    qsizetype runStart = 0;
    const auto flush = [&](qsizetype end) {
        if (end > runStart)
            out += QByteArray(encoder().encode(text.sliced(runStart, end - runStart)));
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate()) {
            flush(i);
            out += '?';
            runStart = i + 1;
        }
    }
    flush(text.size());
    return out;
}

} // namespace Gbk
