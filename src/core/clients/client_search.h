#pragma once

#include "core/clients/client_register.h"
#include "core/lawdb/keywords.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <iterator>
#include <optional>

class RecordFile;

// A row of ListBuffer, the four-column buffer of the list: name, an empty
// second text, category, timestamp (the order of the window's buffer rows).
struct ClientListRow {
    QString columns[4];

    bool operator==(const ClientListRow &other) const
    {
        return std::equal(std::begin(columns), std::end(columns), std::begin(other.columns));
    }
};

// A row of DateHits: a client found through a date and the date text that
// matched in its record.
struct DateHit {
    QString name;
    QString date;
    bool operator==(const DateHit &) const = default;
};

inline constexpr int ListBufferCapacity = 20000;
inline constexpr int DateHitsCapacity = 1000;

// What the search is asked: the selected category button (1..10), its
// CurCategoryName, the keyword slots of Text1 and whether Text1 is blank,
// and the date filter.
struct ClientQuery {
    int Category = 10;
    QString CurCategoryName = QStringLiteral("其他");
    KeyWords keyWords;
    bool keywordBoxBlank = true;
    std::optional<QDate> date;
};

struct FindClientsResult {
    QList<ClientListRow> ListBuffer; // in register order, at most 20000 rows
    QList<DateHit> DateHits;         // at most 1000 rows
    int TotalRecords = 0;            // register rows walked
    int RelevantRecords = 0;         // rows in ListBuffer
};

// The date filter of FindClients(mode): the picker's date when `mode`
// upper-cased is "DTBOUND", or when the reminder is on (ReminderFlag 1) and
// the picker shows today; otherwise none.
std::optional<QDate> FindClientsDate(QStringView mode, QDate picker, QDate today, int ReminderFlag);

// The seven date texts of a day, forms 1 to 7: 2003-4-1 and a blank,
// 2003-04-01, 2003/4/1 and a blank, 2003/04/01, 20030401 and a blank,
// 2003－04－01 and 2003－4－1 and a blank (full-width hyphens).
QStringList clientDateTexts(QDate date);

// The date text recorded for a record that mentions the day (the first
// form that decides, by the precedence of the search), or empty when the
// record mentions none of the seven texts.
QString clientDateHit(QStringView text, const QStringList &dateTexts);

// FindClients: the register rows of the category (10: all), narrowed by the
// keywords (every word in the upper-cased text followed by the upper-cased
// category; the date is then ignored) or, with the keyword box blank, by the
// date. A timestamp stored as #...# is listed without its first and last
// character.
FindClientsResult FindClients(const ClientReg &reg, const ClientQuery &query);

// The text upper-cased as QString::toUpper does it (the keyword search's
// own, faster for the characters that upper-case into one character).
QString clientUpper(QStringView text);

// FindClientContents: the record text of the first record of "clients.txt"
// whose name, trimmed and upper-cased, equals `name` upper-cased; nullopt
// when there is none (or no file).
std::optional<QString> FindClientContents(const RecordFile &files, QStringView name);
