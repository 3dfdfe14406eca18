#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

// A stretch of help text with one look. The text separates paragraphs by
// "\n"; a line break inside a paragraph is U+2028 (QChar::LineSeparator),
// a tab "\t".
struct RichTextRun {
    QString text;
    bool bold = false;
    bool italic = false;
    std::optional<quint32> colour; // 0xRRGGBB; none: the text box's own colour
    bool operator==(const RichTextRun &) const = default;
};

// A small reader of rich-text (RTF) documents, enough for the help texts and
// for what writeRtf writes: text and paragraphs (\par, \line, \tab), Unicode
// escapes \uN with their fallback skipped (\ucN), \'hh bytes decoded as
// code page 936 (two in a row make one double-byte character), groups,
// bold (\b, \b0), italic (\i, \i0), colour (\cfN from the colour table) and
// \plain; the font table, style sheet, document information, pictures and
// every destination marked \* are skipped.
//
// Any bytes are read without failing: braces that do not balance, a cut-off
// escape, huge numbers and deep nesting give the text that can be made of
// them. The work is linear in the input and nothing recurses.
QList<RichTextRun> readRtf(QByteArrayView bytes);

// A help text file: RTF when it starts with "{\rtf" (after blanks or a UTF-8
// byte-order mark), otherwise plain text, read as UTF-8 when it starts with
// the byte-order mark and is valid UTF-8, else as code page 936. Line ends of
// any kind become "\n"; the line end closing the last line is dropped.
QList<RichTextRun> readHelpText(QByteArrayView bytes);

// The text of the runs, without their looks.
QString plainText(const QList<RichTextRun> &runs);
