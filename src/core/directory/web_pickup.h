#pragma once

#include "core/foundation/file_result.h"

#include <QString>
#include <QStringView>

#include <optional>

class RecordFile;

// The web and e-mail addresses found in a shown text.

// True for a character that continues a web address: ASCII letters, "-",
// ".", "/", the digits, the full-width full stop, "_", ":" and the blank.
bool isWebAddressCharacter(QChar c);

// URLPickup: the first web address of the text, from its first "http" or,
// without one, from its first "www", normalised by FilterURL; nullopt when
// the text holds neither.
std::optional<QString> URLPickup(QStringView text);

// FilterURL: "http://" followed by what comes after the address's second
// "/" (the whole address when it has no second "/"), trimmed, with
// full-width full stops made ".".
QString FilterURL(QStringView address);

// The website box's text for an address: "官方网址: " + address.
QString websiteBoxText(const QString &address);

// EmailPickup: every e-mail address of the text in text order, joined with
// ",", after "Email:"; "Email:" alone when `collect` is false (the
// directory) or the text has no "@".
QString EmailPickup(QStringView text, bool collect);

// The part of a text from its first "http" (letter case aside) to its end;
// empty when it has none.
QString webAddressFrom(QStringView text);

// The name AddNewURL files a website under: the list row's text after its
// first ")", trimmed, or the whole row trimmed when it has none.
QString websiteName(const QString &rowText);

// AddNewURL: appends (name, "", address from its first "http", class) to
// "comcodes.txt" unless a record of that name (trimmed, letter case aside)
// is there; the file is created when missing. Module 2 files it as
// "常用网站：法律\Veridane相关", module 1 as "常用网站：我的Web网址\" +
// lastItemText, module 3 with an empty class. `added` tells whether a
// record was appended.
FileResult AddNewURL(const RecordFile &files, const QString &address, const QString &name,
                     int module, const QString &lastItemText, bool *added);
