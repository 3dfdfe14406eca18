#include "core/foundation/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>

namespace {

constexpr char16_t ReplacementCharacter = 0xFFFD;

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

constexpr int TrailCount = 0xFE - 0x40 + 1;
int twoByteIndex(unsigned char lead, unsigned char trail)
{
    return (lead - 0x81) * TrailCount + (trail - 0x40);
}

// The converters are expensive to open; one pair per thread is kept for
// the four-byte forms, which the tables below do not cover.
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

// Every two-byte code and its character, both ways, taken once from the
// converter: nearly all text is ASCII and two-byte codes, and a table
// lookup per character is many times faster than a converter call per field.
struct TwoByteTables {
    char16_t toUnicode[126 * TrailCount] = {};
    quint16 fromUnicode[0x10000] = {};

    TwoByteTables()
    {
        QByteArray all;
        all.reserve(126 * TrailCount * 2);
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail == 0x7F)
                    continue;
                all += char(lead);
                all += char(trail);
            }
        }
        QStringDecoder d("GB18030", QStringConverter::Flag::Stateless);
        const QString text = d.decode(all);
        const bool oneEach = text.size() * 2 == all.size();
        qsizetype k = 0;
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail == 0x7F)
                    continue;
                char16_t c = ReplacementCharacter;
                if (oneEach) {
                    c = text[k++].unicode();
                } else {
                    const char pair[2] = {char(lead), char(trail)};
                    const QString one = d.decode(QByteArrayView(pair, 2));
                    if (one.size() == 1)
                        c = one[0].unicode();
                }
                toUnicode[twoByteIndex(lead, trail)] = c;
                if (c != ReplacementCharacter && !QChar::isSurrogate(c))
                    fromUnicode[c] = quint16((lead << 8) | trail);
            }
        }
    }
};

const TwoByteTables &tables()
{
    static const TwoByteTables t;
    return t;
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
    QString out(bytes.size(), Qt::Uninitialized);
    out.truncate(decodeInto(bytes, reinterpret_cast<char16_t *>(out.data())));
    return out;
}

qsizetype decodeInto(QByteArrayView bytes, char16_t *d)
{
    const qsizetype n = bytes.size();
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    char16_t *const begin = d;
    const TwoByteTables *t = nullptr;
    qsizetype i = 0;
    while (i < n) {
        const unsigned char b = in[i];
        if (b < 0x80) {
            *d++ = b;
            ++i;
            continue;
        }
        if (!t)
            t = &tables();
        const qsizetype len = characterLength(bytes, i);
        if (len == 2) {
            *d++ = t->toUnicode[twoByteIndex(b, in[i + 1])];
        } else if (len == 4) {
            // A four-byte form: one character, possibly outside the BMP (two units).
            const QString c = decoder().decode(bytes.sliced(i, 4));
            if (c.isEmpty()) {
                *d++ = ReplacementCharacter;
            } else {
                for (QChar u : c)
                    *d++ = u.unicode();
            }
        } else {
            *d++ = ReplacementCharacter;
        }
        i += len;
    }
    return d - begin;
}

QByteArray encode(QStringView text)
{
    const qsizetype n = text.size();
    QByteArray out(n * 4, Qt::Uninitialized);
    char *d = out.data();
    char *const begin = d;
    const TwoByteTables *t = nullptr;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            *d++ = char(c);
            continue;
        }
        if (!t)
            t = &tables();
        if (!QChar::isSurrogate(c) && t->fromUnicode[c]) {
            const quint16 code = t->fromUnicode[c];
            *d++ = char(code >> 8);
            *d++ = char(code & 0xFF);
            continue;
        }
        qsizetype units = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate())
            units = 2;
        else if (QChar::isSurrogate(c)) {
            // An unpaired surrogate is no character at all.
            *d++ = '?';
            continue;
        }
        const QByteArray four = encoder().encode(text.sliced(i, units));
        for (char b : four)
            *d++ = b;
        i += units - 1;
    }
    out.truncate(d - begin);
    return out;
}

bool isCharacterStart(QByteArrayView bytes, qsizetype pos)
{
    if (pos <= 0 || pos >= bytes.size())
        return true;
    const auto at = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    // Go back to a byte that can only be a character of its own: below 0x40
    // and not a digit (digits are the second and fourth bytes of the
    // four-byte form). The character after it starts a character.
    qsizetype q = pos;
    while (q > 0) {
        const unsigned char b = at(q - 1);
        if (b < 0x30 || (b > 0x39 && b < 0x40) || b == 0xFF)
            break;
        --q;
    }
    while (q < pos)
        q += characterLength(bytes, q);
    return q == pos;
}

qsizetype indexOf(QByteArrayView bytes, QByteArrayView needle, qsizetype from)
{
    if (needle.isEmpty())
        return from <= bytes.size() ? from : -1;
    const char *base = bytes.data();
    qsizetype pos = from;
    while (pos + needle.size() <= bytes.size()) {
        const void *hit =
            ::memmem(base + pos, size_t(bytes.size() - pos), needle.data(), size_t(needle.size()));
        if (!hit)
            return -1;
        const qsizetype at = static_cast<const char *>(hit) - base;
        if (isCharacterStart(bytes, at))
            return at;
        pos = at + 1;
    }
    return -1;
}

} // namespace Gbk
