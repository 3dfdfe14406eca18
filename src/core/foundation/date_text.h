#pragma once

#include <QDate>
#include <QStringView>

#include <optional>

// Reads a text as a date, as the system's date parsing does: year, month and
// day separated by "-", "/", ".", "," (or their full-width forms) or written
// with 年 月 日, year first (month/day/year when the year comes last with
// four digits); a year and a month alone (the first of the month); a month
// and a day alone (in `currentYear`). Two-digit years are 19xx from 30 up,
// 20xx below. Surrounding blanks are ignored. nullopt when the text is no date.
std::optional<QDate> parseDateText(QStringView text, int currentYear = 2000);
