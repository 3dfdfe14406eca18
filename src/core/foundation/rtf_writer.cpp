#include "core/foundation/rtf_writer.h"

#include "core/foundation/gbk.h"

using namespace Qt::StringLiterals;

namespace {

void hexByte(QByteArray &out, unsigned char b)
{
    static const char digits[] = "0123456789abcdef";
    out += "\\'";
    out += digits[b >> 4];
    out += digits[b & 0xF];
}

// One character (a surrogate pair counts as one), with the fallback bytes.
void appendCharacter(QByteArray &out, QStringView ch, int &fallbackCount)
{
    const QByteArray bytes = Gbk::encode(ch);
    if (int(bytes.size()) != fallbackCount) {
        fallbackCount = int(bytes.size());
        out += "\\uc" + QByteArray::number(fallbackCount) + ' ';
    }
    for (const QChar unit : ch) {
        const int n = unit.unicode() > 32767 ? int(unit.unicode()) - 65536 : int(unit.unicode());
        out += "\\u" + QByteArray::number(n);
    }
    for (const char b : bytes)
        hexByte(out, static_cast<unsigned char>(b));
}

} // namespace

QByteArray writeRtf(const QList<RtfRun> &runs)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg936\\deff0";
    out += "{\\fonttbl{\\f0\\fnil\\fcharset134 ";
    for (const char b : Gbk::encode(u"宋体"))
        hexByte(out, static_cast<unsigned char>(b));
    out += ";}}";
    out += "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}";
    out += "\\uc1\\pard\\f0\\fs21\\cf1 ";
    int fallbackCount = 1;
    bool red = false;
    for (const RtfRun &run : runs) {
        if (run.red != red) {
            red = run.red;
            out += red ? "\\cf2 " : "\\cf1 ";
        }
        const QString &t = run.text;
        for (qsizetype i = 0; i < t.size(); ++i) {
            const QChar c = t[i];
            if (c == u'\r') {
                if (i + 1 < t.size() && t[i + 1] == u'\n')
                    ++i;
                out += "\\par\r\n";
            } else if (c == u'\n') {
                out += "\\par\r\n";
            } else if (c == u'\t') {
                out += "\\tab ";
            } else if (c == u'\\' || c == u'{' || c == u'}') {
                out += '\\';
                out += char(c.unicode());
            } else if (c.unicode() < 0x80) {
                out += char(c.unicode());
            } else {
                const bool pair =
                    c.isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate();
                appendCharacter(out, t.sliced(i, pair ? 2 : 1), fallbackCount);
                if (pair)
                    ++i;
            }
        }
    }
    out += "\\par\r\n}";
    return out;
}
