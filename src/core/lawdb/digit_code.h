#pragma once

#include <QString>
#include <QStringView>

// Names and marks of the law content store.

// Each digit v becomes the character U+E49B - v (GBK FE D4 - v); any other
// character counts as 0.
QString DigitCode(QStringView digits);

// The DigitCode name of the content file of a year and month
// (DigitCode of the four-digit year followed by the two-digit month).
// Year 0 and month 0 name the file of the undated texts.
QString contentFileName(int year, int month);

// The system path of a content file: the content folder, the name, ".dll".
QString ContentFile(const QString &name);

// DigitCode("01"): every document of the store holds it.
QString RecordMarker();

// The phrase whose presence marks a document as damaged.
QString DamagedPhrase(); // "中国法律资源"

// The header labels that begin every document, in order.
namespace LawLabels {
inline constexpr QStringView Title = u"【标    题】";
inline constexpr QStringView Issuer = u"【颁布单位】";
inline constexpr QStringView Promulgated = u"【颁布日期】";
inline constexpr QStringView InForce = u"【实施日期】";
inline constexpr QStringView Validity = u"【有 效 性】";
} // namespace LawLabels
