#pragma once

#include "core/clients/client_search.h"
#include "core/lawdb/keywords.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class RecordFile;

// The directory "YellowPage\comcodes.txt": area codes, help lines, post
// codes, websites, institutions and travel services, one record of four
// texts each.
struct DirectoryRecord {
    QString name;
    QString prefix; // shown before the name; the system writes it empty
    QString code;   // number, post code, address or web address
    QString cls;    // category keywords and sub-class path, e.g. "常用网站：法律\法院"

    bool operator==(const DirectoryRecord &) const = default;
};

// "c:\program files\quorix\YellowPage\" and its "comcodes.txt".
QString directoryFolder();
QString comCodesPath();

// The captions of the ten category buttons of the directory.
QStringList directoryCategoryCaptions();
// The website sub-classes of category 4, "全部" last.
QStringList websiteSubclasses();

// The keyword a category looks for in the class field: "DD", "求助", "ZIP",
// "网站", for 5 to 9 the button's caption without its number and point, and
// nothing for 10 (every record with a class). Empty for a caption too short.
QString directoryCategoryKeyword(int category, const QString &caption);

// What FindComCodes looks for.
struct ComCodesQuery {
    int Category = 10;
    QString keyword;   // directoryCategoryKeyword of the category
    KeyWords keyWords; // the keyword box's words
    bool keywordBoxBlank = true;
    QString subclass = QStringLiteral("全部"); // Combo1's text; filters category 4 only
};

// The matches in file order as list buffer rows (prefix, name, code,
// class), at most 20000, and the counters.
struct ComCodesResult {
    QList<ClientListRow> ListBuffer;
    int TotalRecords = 0;    // records read
    int RelevantRecords = 0; // matches kept
};

inline constexpr int DirectoryBufferRows = 20000;

// FindComCodes: reads the whole file; a record of the category (its class,
// upper-cased, contains the keyword upper-cased; an empty class never
// matches) that holds every keyword in its four fields joined (name,
// prefix, code, class, upper-cased) and, in category 4, belongs to the
// sub-class ("全部", a number greater than 0, or contained in its class) is
// kept. A missing file, a record that cannot be read or the 20001st match
// ends the scan; what was found until then stands.
ComCodesResult FindComCodes(const RecordFile &files, const ComCodesQuery &query);

// "ClassV.txt" in the directory folder: up to five names of categories 5 to
// 9, as many as the file holds; nullopt without the file.
std::optional<QStringList> ClassVNames(const RecordFile &files);
