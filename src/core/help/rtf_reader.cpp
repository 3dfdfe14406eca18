#include "core/help/rtf_reader.h"

#include "core/foundation/gbk.h"

#include <QStringDecoder>

#include <algorithm>
#include <string_view>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Groups nested deeper than this share the state of the deepest kept one.
constexpr qsizetype MaxGroupDepth = 128;
constexpr qsizetype MaxColours = 1024;
// The most fallback characters a \ucN may ask to skip.
constexpr qint64 MaxFallback = 16;
// Letters of a control word and digits of its parameter beyond these are
// read over and ignored.
constexpr int MaxWordLetters = 32;
constexpr int MaxParameterDigits = 10;

constexpr char16_t Replacement = 0xFFFD;

enum class Destination { Text, Skip, Colours };

struct GroupState {
    bool bold = false;
    bool italic = false;
    qint64 colour = -1; // index into the colour table; -1 none
    qint64 fallback = 1;
    Destination destination = Destination::Text;
};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Destinations whose content is no text of the document.
bool skippedDestination(std::string_view word)
{
    static constexpr std::string_view Words[] = {"fonttbl",
                                                 "stylesheet",
                                                 "info",
                                                 "pict",
                                                 "object",
                                                 "header",
                                                 "headerl",
                                                 "headerr",
                                                 "headerf",
                                                 "footer",
                                                 "footerl",
                                                 "footerr",
                                                 "footerf",
                                                 "footnote",
                                                 "annotation",
                                                 "atnid",
                                                 "atnauthor",
                                                 "listtable",
                                                 "listoverridetable",
                                                 "revtbl",
                                                 "rsidtbl",
                                                 "filetbl",
                                                 "generator",
                                                 "xmlnstbl",
                                                 "themedata",
                                                 "colorschememapping",
                                                 "latentstyles",
                                                 "datastore",
                                                 "fldinst",
                                                 "bkmkstart",
                                                 "bkmkend",
                                                 "nonshppict",
                                                 "template",
                                                 "userprops",
                                                 "private",
                                                 "xe",
                                                 "tc",
                                                 "txe"};
    return std::find(std::begin(Words), std::end(Words), word) != std::end(Words);
}

class RtfParser
{
public:
    explicit RtfParser(QByteArrayView in)
        : m_in(in)
    {}

    QList<RichTextRun> parse()
    {
        while (m_pos < m_in.size() && !m_done) {
            const char c = m_in[m_pos++];
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                closeGroup();
                break;
            case '\\':
                escape();
                break;
            case '\r':
            case '\n':
                break; // the file's own line ends are no text
            default:
                character(c);
                break;
            }
        }
        flushPending();
        // The paragraph mark of the last paragraph ends the text; it opens no
        // empty paragraph after it.
        if (!m_runs.isEmpty() && m_runs.back().text.endsWith(u'\n')) {
            m_runs.back().text.chop(1);
            if (m_runs.back().text.isEmpty())
                m_runs.removeLast();
        }
        return m_runs;
    }

private:
    bool inDocument() const { return !m_stack.empty() || m_overflow > 0; }

    void openGroup()
    {
        flushPending();
        m_skip = 0;
        m_ignorable = false;
        if (qsizetype(m_stack.size()) < MaxGroupDepth)
            m_stack.push_back(m_state);
        else
            ++m_overflow;
    }

    void closeGroup()
    {
        flushPending();
        m_skip = 0;
        m_ignorable = false;
        if (m_overflow > 0) {
            --m_overflow;
            return;
        }
        if (m_stack.empty())
            return; // a closing brace with nothing open
        m_state = m_stack.back();
        m_stack.pop_back();
        if (m_stack.empty())
            m_done = true; // the document's own group is closed
    }

    // A fallback character of the last \uN is read over.
    bool skippingFallback()
    {
        if (m_skip <= 0)
            return false;
        --m_skip;
        return true;
    }

    void character(char c)
    {
        if (!inDocument() || skippingFallback())
            return;
        switch (m_state.destination) {
        case Destination::Skip:
            return;
        case Destination::Colours:
            if (c == ';')
                endColour();
            return;
        case Destination::Text:
            break;
        }
        if (static_cast<unsigned char>(c) >= 0x80) {
            byte(static_cast<unsigned char>(c));
            return;
        }
        if (c == '\t') {
            text(u"\t");
            return;
        }
        if (static_cast<unsigned char>(c) < 0x20)
            return;
        const char16_t ch = char16_t(c);
        text(QStringView(&ch, 1));
    }

    void escape()
    {
        if (m_pos >= m_in.size())
            return;
        const char c = m_in[m_pos];
        if (!isLetter(c)) {
            ++m_pos;
            controlSymbol(c);
            return;
        }
        const qsizetype wordStart = m_pos;
        while (m_pos < m_in.size() && isLetter(m_in[m_pos]))
            ++m_pos;
        const std::string_view word(m_in.data() + wordStart,
                                    size_t(std::min<qsizetype>(m_pos - wordStart, MaxWordLetters)));
        std::optional<qint64> parameter;
        bool negative = false;
        if (m_pos + 1 < m_in.size() && m_in[m_pos] == '-' && isDigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        if (m_pos < m_in.size() && isDigit(m_in[m_pos])) {
            qint64 value = 0;
            int digits = 0;
            for (; m_pos < m_in.size() && isDigit(m_in[m_pos]); ++m_pos) {
                if (digits++ < MaxParameterDigits)
                    value = value * 10 + (m_in[m_pos] - '0');
            }
            parameter = negative ? -value : value;
        }
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos; // the blank that ends a control word belongs to it
        if (inDocument())
            controlWord(word, parameter);
    }

    void controlSymbol(char c)
    {
        if (!inDocument())
            return;
        if (c == '*') {
            m_ignorable = true;
            return;
        }
        m_ignorable = false;
        if (c == '\'') {
            hexEscape();
            return;
        }
        if (skippingFallback())
            return;
        if (m_state.destination != Destination::Text)
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}': {
            const char16_t ch = char16_t(c);
            text(QStringView(&ch, 1));
            break;
        }
        case '~':
            text(u"\u00A0");
            break;
        case '_':
            text(u"\u2011");
            break;
        case '\r':
        case '\n':
            text(u"\n");
            break;
        default:
            break; // optional hyphen, index and formula marks: no text
        }
    }

    // \'hh: one byte of code page 936 text.
    void hexEscape()
    {
        const int high = m_pos < m_in.size() ? hexValue(m_in[m_pos]) : -1;
        const int low = m_pos + 1 < m_in.size() ? hexValue(m_in[m_pos + 1]) : -1;
        if (high < 0) {
            return; // "\'" with no digits: nothing
        }
        if (low < 0) {
            ++m_pos; // a cut-off escape: its one digit makes no byte
            return;
        }
        m_pos += 2;
        if (skippingFallback())
            return;
        if (m_state.destination == Destination::Text)
            byte(static_cast<unsigned char>(high * 16 + low));
    }

    void controlWord(std::string_view word, std::optional<qint64> parameter)
    {
        const bool ignorable = m_ignorable;
        m_ignorable = false;
        if (word == "u") {
            // A Unicode character starts anew even inside the fallback of
            // the one before (the two halves of a surrogate pair).
            if (m_state.destination == Destination::Text) {
                unicode(parameter.value_or(0));
                m_skip = m_state.fallback;
            }
            return;
        }
        if (word == "bin") {
            // Binary data: its bytes are read over, whatever they hold.
            const qint64 n = std::max<qint64>(0, parameter.value_or(0));
            m_pos += qsizetype(std::min<qint64>(n, m_in.size() - m_pos));
            skippingFallback();
            return;
        }
        if (skippingFallback())
            return;
        if (word == "uc") {
            m_state.fallback = std::clamp<qint64>(parameter.value_or(1), 0, MaxFallback);
            return;
        }
        if (m_state.destination == Destination::Skip)
            return;
        if (ignorable || skippedDestination(word)) {
            flushPending();
            m_state.destination = Destination::Skip;
            return;
        }
        if (word == "colortbl") {
            flushPending();
            m_state.destination = Destination::Colours;
            m_colourGiven = false;
            m_red = m_green = m_blue = 0;
            return;
        }
        if (m_state.destination == Destination::Colours) {
            colourComponent(word, parameter);
            return;
        }
        textWord(word, parameter);
    }

    void textWord(std::string_view word, std::optional<qint64> parameter)
    {
        const bool on = parameter.value_or(1) != 0;
        if (word == "par" || word == "sect" || word == "page" || word == "row")
            text(u"\n");
        else if (word == "line")
            text(u"\u2028");
        else if (word == "tab" || word == "cell")
            text(u"\t");
        else if (word == "b")
            setLook([&] { m_state.bold = on; });
        else if (word == "i")
            setLook([&] { m_state.italic = on; });
        else if (word == "cf")
            setLook([&] { m_state.colour = parameter.value_or(0); });
        else if (word == "plain")
            setLook([&] {
                m_state.bold = false;
                m_state.italic = false;
                m_state.colour = -1;
            });
        else if (word == "emdash")
            text(u"\u2014");
        else if (word == "endash")
            text(u"\u2013");
        else if (word == "bullet")
            text(u"\u2022");
        else if (word == "lquote")
            text(u"\u2018");
        else if (word == "rquote")
            text(u"\u2019");
        else if (word == "ldblquote")
            text(u"\u201C");
        else if (word == "rdblquote")
            text(u"\u201D");
        // Every other word (fonts, sizes, paragraph settings) changes no text.
    }

    template <typename Change> void setLook(Change change)
    {
        flushPending(); // bytes read so far keep the look they were read with
        change();
    }

    void colourComponent(std::string_view word, std::optional<qint64> parameter)
    {
        const int value = int(std::clamp<qint64>(parameter.value_or(0), 0, 255));
        if (word == "red")
            m_red = value;
        else if (word == "green")
            m_green = value;
        else if (word == "blue")
            m_blue = value;
        else
            return;
        m_colourGiven = true;
    }

    void endColour()
    {
        if (qsizetype(m_colours.size()) < MaxColours) {
            m_colours.push_back(m_colourGiven ? std::optional<quint32>(quint32(m_red) << 16 |
                                                                       quint32(m_green) << 8 |
                                                                       quint32(m_blue))
                                              : std::nullopt);
        }
        m_colourGiven = false;
        m_red = m_green = m_blue = 0;
    }

    void unicode(qint64 n)
    {
        // A signed 16-bit number; negative numbers stand for the codes above 32767.
        if (n < -32768 || n > 0xFFFF) {
            text(QStringView(&Replacement, 1));
            return;
        }
        if (n < 0)
            n += 65536;
        const char16_t unit = char16_t(n);
        if (QChar::isHighSurrogate(unit)) {
            flushPending();
            m_high = unit;
            return;
        }
        if (QChar::isLowSurrogate(unit)) {
            flushBytes();
            if (m_high != 0) {
                const char16_t pair[2] = {m_high, unit};
                m_high = 0;
                addToRun(QStringView(pair, 2));
            } else {
                addToRun(QStringView(&Replacement, 1));
            }
            return;
        }
        if (unit < 0x20 && unit != u'\t')
            return;
        text(QStringView(&unit, 1));
    }

    void byte(unsigned char b)
    {
        flushSurrogate();
        m_bytes.append(char(b));
    }

    void text(QStringView s)
    {
        flushPending();
        addToRun(s);
    }

    void flushBytes()
    {
        if (m_bytes.isEmpty())
            return;
        const QString decoded = Gbk::decode(m_bytes);
        m_bytes.clear();
        addToRun(decoded);
    }

    // A high surrogate not followed by its low half is no character.
    void flushSurrogate()
    {
        if (m_high == 0)
            return;
        m_high = 0;
        addToRun(QStringView(&Replacement, 1));
    }

    void flushPending()
    {
        flushBytes();
        flushSurrogate();
    }

    std::optional<quint32> colour() const
    {
        if (m_state.colour < 0 || m_state.colour >= qint64(m_colours.size()))
            return std::nullopt;
        return m_colours[size_t(m_state.colour)];
    }

    void addToRun(QStringView s)
    {
        if (s.isEmpty())
            return;
        const std::optional<quint32> c = colour();
        if (!m_runs.isEmpty()) {
            RichTextRun &last = m_runs.back();
            if (last.bold == m_state.bold && last.italic == m_state.italic && last.colour == c) {
                last.text += s;
                return;
            }
        }
        m_runs.append({s.toString(), m_state.bold, m_state.italic, c});
    }

    QByteArrayView m_in;
    qsizetype m_pos = 0;
    bool m_done = false;
    GroupState m_state;
    std::vector<GroupState> m_stack;
    qsizetype m_overflow = 0; // groups open beyond MaxGroupDepth
    bool m_ignorable = false; // "\*" was read: the next word is a destination to skip
    qint64 m_skip = 0;        // fallback characters still to read over
    char16_t m_high = 0;      // a high surrogate waiting for its low half
    QByteArray m_bytes;       // code page 936 bytes waiting to be decoded
    std::vector<std::optional<quint32>> m_colours;
    bool m_colourGiven = false;
    int m_red = 0, m_green = 0, m_blue = 0;
    QList<RichTextRun> m_runs;
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

QList<RichTextRun> readRtf(QByteArrayView bytes)
{
    return RtfParser(bytes).parse();
}

QList<RichTextRun> readHelpText(QByteArrayView bytes)
{
    const QByteArrayView bom = "\xEF\xBB\xBF";
    const bool hasBom = bytes.startsWith(bom);
    qsizetype start = hasBom ? bom.size() : 0;
    while (start < bytes.size() && isBlank(bytes[start]))
        ++start;
    if (bytes.sliced(start).startsWith("{\\rtf"))
        return readRtf(bytes.sliced(start));

    QString text;
    bool decoded = false;
    if (hasBom) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        text = utf8(bytes.sliced(bom.size()));
        decoded = !utf8.hasError();
    }
    if (!decoded)
        text = Gbk::decode(bytes);
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    if (text.isEmpty())
        return {};
    return {RichTextRun{text, false, false, std::nullopt}};
}

QString plainText(const QList<RichTextRun> &runs)
{
    QString text;
    for (const RichTextRun &run : runs)
        text += run.text;
    return text;
}
