#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

// The keyword slots: slots 3 to 20 hold the upper-cased words of the keyword
// box, in order, up to the first empty slot. Slots 0 to 2 are unused.
struct KeyWords {
    static constexpr int FirstSlot = 3;
    static constexpr int LastSlot = 20;

    std::array<QString, 21> slot;

    // The words in slots 3 upwards, up to the first empty slot.
    QStringList words() const;
    bool isEmpty() const { return slot[FirstSlot].isEmpty(); }
    // Every word occurs in the text (exact, case-sensitive substring tests).
    bool allOccurIn(QStringView text) const;
};

// Splits the keyword box: trimmed, upper-cased, split at ASCII blanks, at
// most 18 words.
KeyWords UKeyWordsSet(QStringView text1);

// Normalises the first keyword that is a date (2003/4/1 -> 2003-04-01),
// law module only; see keywords.cpp for the exact rule.
void KWDDTFormat(KeyWords &keyWords, QStringView text1, bool lawModule);

// The replacement of a key typed into the keyword box: the full-width blank
// becomes a blank, the full-width digits become digits; other keys stay.
char16_t Text1KeyReplacement(char16_t key);
