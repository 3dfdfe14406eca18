#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Text conversion for the data files, which are code page 936 text.
//
// Decoding and encoding use GB18030, the superset of GBK: every two-byte GBK
// sequence maps to one character and back to the same two bytes (the
// user-defined areas map to private use, FE D4 <-> U+E49B), and a character
// GBK cannot represent is written as a four-byte GB18030 sequence that reads
// back as the same character.
namespace Gbk {

// Decodes code page 936 bytes. A byte sequence that is not valid (including a
// character cut off at the end) becomes U+FFFD; nothing else is dropped.
QString decode(QByteArrayView bytes);
// The same into a buffer with room for bytes.size() UTF-16 units (never more
// are written); returns how many were written.
qsizetype decodeInto(QByteArrayView bytes, char16_t *out);

// Encodes text as code page 936 bytes (GB18030 four-byte form where needed).
// An unpaired surrogate, which is no character at all, is written as "?".
QByteArray encode(QStringView text);

// Length in bytes of the character starting at bytes[pos]: 1 for ASCII and for
// a byte that starts no valid sequence, 2 or 4 for a GBK/GB18030 character.
// Never runs past the end: a sequence cut off by the end counts as 1.
qsizetype characterLength(QByteArrayView bytes, qsizetype pos);

// True when a character starts at bytes[pos] (or pos is the end), reading
// the bytes as characters from the start.
bool isCharacterStart(QByteArrayView bytes, qsizetype pos);

// The first position from `from` on where `needle` (whole characters in
// code page 936) occurs starting on a character boundary of `bytes`, or -1.
// A match that starts inside a two-byte character is no match.
qsizetype indexOf(QByteArrayView bytes, QByteArrayView needle, qsizetype from = 0);

} // namespace Gbk
