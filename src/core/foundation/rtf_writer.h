#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A small writer of rich-text (RTF) documents, enough for a record handed to
// a word processor: paragraphs, red marks, one Chinese font.
//
// The document declares code page 936 and the font "宋体" with the GB2312
// character set (134). ASCII is written as it is ("\", "{" and "}"
// escaped); every other character as a Unicode escape \uN followed by its
// code page 936 bytes as the fallback for readers without Unicode, so that
// characters outside GBK come through as well.
struct RtfRun {
    QString text; // "\n" (or CR LF) ends a paragraph
    bool red = false;
    bool operator==(const RtfRun &) const = default;
};

QByteArray writeRtf(const QList<RtfRun> &runs);
