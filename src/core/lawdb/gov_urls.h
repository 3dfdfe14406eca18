#pragma once

#include <QList>
#include <QString>
#include <QStringView>

class RecordFile;

// The official-website search for a shown law text: place names and
// sectors named in the title and issuing-body lines pick entries of the
// website table "lawbase\GovURLs.txt"; without such a pair the issuing body
// itself is looked up.

struct GovSite {
    QString group; // not used by the search
    QString body;  // the body the website belongs to
    QString url;   // opened as it stands
    QString note;  // not used by the search

    bool operator==(const GovSite &) const = default;
};

QString govUrlsPath();
QString placesPath();
QString sectorsPath();

struct GovUrlSearch {
    enum class Outcome {
        Found,
        NoDocument,  // the pane holds no law text ("颁布日期" label)
        NoUrlTable,  // "没有网址文件!"
        NoPlaces,    // "没有地址文件!"
        NoSectors,   // "没有部委文件!"
        NothingFound // "官方网站没找到!"
    };
    Outcome outcome = Outcome::NothingFound;
    // The websites to offer in order: the longest body names first, up to
    // the first entry without an address, each address once.
    QList<GovSite> sites;
};

inline constexpr int GovSitesCapacity = 20;
inline constexpr int GovFoundCapacity = 200;

// ToURLGov's search on the pane's text. At most 20 websites are collected
// and at most 200 places and 200 sectors found.
GovUrlSearch ToURLGov(const RecordFile &files, QStringView paneText);
