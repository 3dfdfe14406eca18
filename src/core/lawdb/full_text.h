#pragma once

#include "core/lawdb/keywords.h"
#include "core/lawdb/law_browse.h"

#include <QByteArrayView>
#include <QStringList>

#include <functional>
#include <memory>

class RecordFile;
class NoDateTexts;

// Tests documents, as their code page 936 bytes, against the keyword slots:
// a document matches when every word occurs in its upper-cased text.
//
// The test runs on the bytes. A word made only of characters that no other
// character upper-cases to (Chinese, digits, most punctuation) occurs in the
// upper-cased text exactly where its bytes occur on a character boundary, so
// it is one byte search. A word with letters is first looked for as it is
// (a hit is a match), then through a necessary condition (its caseless part,
// or its ASCII letters in either case); only a document that passes that is
// decoded and upper-cased to decide.
class FullTextMatcher
{
public:
    explicit FullTextMatcher(const KeyWords &keyWords);
    ~FullTextMatcher();
    FullTextMatcher(const FullTextMatcher &) = delete;
    FullTextMatcher &operator=(const FullTextMatcher &) = delete;

    bool matches(QByteArrayView document) const;

private:
    struct Word;
    std::vector<std::unique_ptr<Word>> m_words;
};

// The row of a document found by the full-text search: the promulgation date
// as written in it, two blanks, "(", the validity (at most 17 characters),
// ")", the title.
QString fullTextRow(QStringView document);
QString fullTextRow(QByteArrayView document);

// The value of the progress bar for the progress p (percent of the years
// done), given the value before.
int fullTextBarValue(int p, int previous);

struct FullTextResult {
    QStringList rows;     // in scan order
    bool cut = false;     // more than 180000 documents matched: the first 180000 are kept
    QList<int> barWidths; // the width of Label30 in twips after each year
};

// The full-text search over a year range: years newest first, months 12 to
// 1, documents in file order, the undated texts last in mode "前".
// `onYear` (may be empty) is told each bar width as the search goes.
FullTextResult YearSearch2(const RecordFile &files, const NoDateTexts &noDateTexts,
                           const KeyWords &keyWords, YearMode mode, int comboYear, int currentYear,
                           const std::function<void(int width)> &onYear = {});

inline constexpr int FullTextCapacity = 180000;

// What the user is told when the search found more documents than it keeps.
QString fullTextCutMessage();
