#pragma once

#include <QDate>
#include <QString>

class DriveMap;

// A synthetic law database for trying the program out and for measuring it:
// the index and the content files of `laws` invented documents, shaped like
// a real collection.
//
//  - Issuing levels in realistic shares: national laws a few per cent, the
//    State Council and the courts about 5 % each, ministries about 30 %,
//    local bodies about 45 %, the rest other national bodies; about 5 %
//    foreign-related (an extra 6), model contracts about 2 % (7), cases
//    about 5 % (8). The category digits follow the import's rules
//    (deriveCategories) from each document's issuing body and title.
//  - Dates from 1949 up to `today`, many more in recent years; about 3 %
//    undated (never more than 9999), mostly model contracts, cases and
//    other texts. Some documents 失效, 已被修正, 部分失效 or 已被废止.
//  - Titles of 10 to 40 characters built from word lists; a few documents
//    share their title and date with the one before them.
//  - Bodies of 4 to 8 KB (GBK) of numbered articles, notice items, a
//    judgment or contract clauses; some hold invented web addresses
//    (http://www.shuiwu.example.gov.cn/ ... in several spellings) and e-mail
//    addresses, some Latin words in mixed case (ISO, Iso, WTO, App ...).
//
// The output depends only on `laws`, `seed` and `today`: the same values give
// the same bytes. Each content file is built and written once, so memory
// stays small whatever the size.
struct DemoLawOptions {
    int laws = 0;
    quint64 seed = 1;
    QDate today;            // the newest possible date (the tool's clock)
    bool overwrite = false; // replace a law database already on the drive
};

struct DemoLawResult {
    int documents = 0;
    int undated = 0;
    int contentFiles = 0; // the index comes on top
    qint64 bytes = 0;     // of all files written
    QString failure;      // why nothing (or not everything) was written
    bool ok() const { return failure.isEmpty(); }
};

inline constexpr int DemoLawMaximum = 180000;

// The options' fault in words, empty when writeDemoLaws can use them.
QString demoLawOptionsProblem(const DemoLawOptions &options);

// A law database is on the system drive of `drives`: the law index or any
// content file.
bool lawDatabasePresent(const DriveMap &drives);

// Writes the database on the system drive of `drives`: every content file
// first, the index last, then (when overwriting) removes the content files
// of the old database that the new one does not have. Refuses, writing
// nothing, when a law database is present and `overwrite` is not set.
DemoLawResult writeDemoLaws(const DriveMap &drives, const DemoLawOptions &options);
