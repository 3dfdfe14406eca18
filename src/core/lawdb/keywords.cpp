#include "core/lawdb/keywords.h"

#include "core/foundation/date_text.h"

using namespace Qt::StringLiterals;

QStringList KeyWords::words() const
{
    QStringList out;
    for (int k = FirstSlot; k <= LastSlot && !slot[k].isEmpty(); ++k)
        out.append(slot[k]);
    return out;
}

bool KeyWords::allOccurIn(QStringView text) const
{
    for (int k = FirstSlot; k <= LastSlot && !slot[k].isEmpty(); ++k) {
        if (!text.contains(slot[k]))
            return false;
    }
    return true;
}

KeyWords UKeyWordsSet(QStringView text1)
{
    KeyWords keyWords;
    QString s = text1.trimmed().toString().toUpper();
    int i = KeyWords::FirstSlot;
    while (true) {
        const qsizetype blank = s.indexOf(u' ');
        if (blank < 0) {
            if (!s.isEmpty())
                keyWords.slot[i] = s;
            break;
        }
        keyWords.slot[i] = s.left(blank);
        s = s.mid(blank + 1).trimmed();
        ++i;
        if (i > KeyWords::LastSlot)
            break;
    }
    return keyWords;
}

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Inserts "0" before the last character when the one before it is "-":
// 2003-4 -> 2003-04.
void padLastPart(QString &s)
{
    if (s.size() >= 2 && s[s.size() - 2] == u'-')
        s.insert(s.size() - 1, u'0');
}

} // namespace

void KWDDTFormat(KeyWords &keyWords, QStringView text1, bool lawModule)
{
    if (!lawModule)
        return;
    for (int k = KeyWords::FirstSlot; k <= KeyWords::LastSlot; ++k) {
        QString &s = keyWords.slot[k];
        if (text1.trimmed().isEmpty() || s.isEmpty())
            return;
        if (s.size() < 2 || !isAsciiDigit(s[0]) || !isAsciiDigit(s[1]))
            return;
        if (!parseDateText(s))
            continue;
        s.replace(u"－"_s, u"-"_s).replace(u"，"_s, u"-"_s).replace(u'/', u'-').replace(u',', u'-');
        const qsizetype p1 = s.indexOf(u'-');
        const qsizetype p2 = p1 >= 0 ? s.indexOf(u'-', p1 + 1) : -1;
        if (p1 > 0 && p2 < 0) {
            padLastPart(s);
        } else if (p1 > 0 && p2 > 0) {
            padLastPart(s);
            // Positions counted from 1, as the rule is written: p2 - p1 = 2
            // means a one-digit month between the two dashes.
            if (p2 - p1 == 2)
                s.insert(p1 + 1, u'0');
        }
        return;
    }
}

char16_t Text1KeyReplacement(char16_t key)
{
    if (key == u'\u3000')
        return u' ';
    if (key >= u'\uFF10' && key <= u'\uFF19')
        return char16_t(u'0' + (key - u'\uFF10'));
    return key;
}
