#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

class RecordFile;

// The word find of the text pane: every occurrence of the word of Text2 in
// the shown text is coloured red and counted in Label36.
//
// Positions are counted in characters of the pane's Text (CR LF counts two).
// Both sides are lowered one character for one character, so the lowered
// text has the same length as the text and every position found in it is a
// position of the text itself.

// One row of the special-character table errnolist.txt.
struct SpecialCharRow {
    QString character;   // field 1: the special character
    QString unused;      // field 2
    QString replacement; // field 3: what stands for it in the search word (normally "~")
    QString endMark;     // field 4: the first row with a mark ends the rows that mask the text
    bool operator==(const SpecialCharRow &) const = default;
};

// The special-character table, rows 1 to 100.
struct SpecialChars {
    static constexpr int Capacity = 100;
    // The rows that map the search word (ErrNoListCheckText2).
    static constexpr int WordRows = 24;

    QList<SpecialCharRow> rows; // row k is rows[k - 1]
};

// The table and whether its file is there (without it, words are searched
// unmasked and the window warns once).
struct ErrNoList {
    SpecialChars table;
    bool exists = false;
};

// "c:\program files\quorix\errnolist.txt".
QString errNoListPath();

// Reads up to 100 rows of four text fields. A missing file gives exists =
// false and an empty table; a row that cannot be read whole ends the table
// (the rows before it stay).
ErrNoList LoadErrNoList(const RecordFile &files);

// The warning shown when errnolist.txt is missing (title "警告").
QString missingErrNoListMessage();

// The text with each character lowered on its own (a character whose lower
// case would change the length stays as it is).
QString lowerKeepingLength(QStringView text);

// The text masked for the search, and what was masked.
struct MaskedText {
    QString text;
    // ListErr: one entry per masked character, in the order of masking: the
    // character's position (counting from 1) as ten digits with leading
    // zeros, a blank, and the character that stood there.
    QStringList ListErr;
};

// Masks the special characters of the text with "~": rows 1 upwards, ending
// at the first row whose field 1 is empty or whose field 4 is not; every
// occurrence of field 1 in the lowered text has its first character
// replaced. A field 1 that begins with "~" would find its own mask again and
// again; such a row masks nothing. The length of the text never changes.
MaskedText ReplaceErrWD(QStringView text, const SpecialChars &table);

// Puts the masked characters back, from the last entry to the first.
// Entries that do not fit the text are passed over.
QString RecoverErrWD(QStringView maskedText, const QStringList &ListErr);

// Maps the search word the way the text was masked, with rows 1 to 24.
// Decisions where the table leaves it open:
//  - rows past the end of a shorter table, and rows whose field 1 is empty,
//    map nothing (an empty text would be "found" everywhere);
//  - within a row, the occurrences of field 1 are replaced from left to
//    right (the first character of each by field 3) and the search goes on
//    after the text just put in, so text put in by a row is never searched
//    again by that row: a field 3 that holds its own field 1 is put in once
//    per occurrence and cannot loop. With one-character rows whose field 3
//    does not contain field 1 (the shipped table), this replaces every
//    occurrence, as repeating the search until none is left would.
QString ErrNoListCheckText2(QStringView word, const SpecialChars &table);

// One coloured occurrence: the selection start (counting from 0) and length.
struct WordOccurrence {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const WordOccurrence &) const = default;
};

// Label36 colours, as the system writes them (&HBBGGRR).
inline constexpr quint32 FoundColour = 0x0000FF;    // 255, red
inline constexpr quint32 NotFoundColour = 0xFF8000; // &HFF8000

// What FindWord shows.
struct WordFindResult {
    QList<WordOccurrence> occurrences; // to colour red, in text order
    int count = 0;
    QString label36; // "查出 " + count + " 个相同的字(词)"
    quint32 label36Colour = NotFoundColour;
    // The mask record of the search (empty when errnolist.txt is missing).
    QStringList ListErr;
};

// The search of FindWord over the pane's Text. The word is Text2 trimmed
// and lowered; with errnolist.txt present the text is masked first and the
// word mapped the same way. Each search starts one character after the
// previous occurrence, so overlapping occurrences are counted ("aaa" holds
// "aa" twice). A word that is empty (or becomes empty through the mapping)
// finds nothing. The text itself is left as it was: the occurrences are
// positions of the unmasked text too.
WordFindResult FindWord(QStringView text, QStringView text2, const ErrNoList &errNoList);

// "查出 " + count + " 个相同的字(词)".
QString foundWordsLabel(int count);

// Texts longer than this ask first whether to leave the search.
inline constexpr qsizetype LongTextLimit = 250000;
bool needsLongTextQuestion(qsizetype textLength);
// "此记录" + n + "万字, 可能需要较长时间。" CR LF "建议使用Word链接编辑。是否退出?",
// n = the length divided by 10000, rounded down (title "提示", Yes/No).
QString longTextQuestion(qsizetype textLength);
