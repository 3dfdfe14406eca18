#pragma once

#include <QString>

class DriveMap;

// The directory of the demo install and the tables of the official-website
// search, written from facts of public record:
//  - "YellowPage\comcodes.txt", the directory: telephone area codes of every
//    prefecture-level division and of some county-level cities, with
//    international codes (class "DD电话区号：" + province, "港澳台" or
//    "国际"); nationwide help lines ("求助电话：" + kind); post codes of
//    the provincial capitals and other large cities ("ZIP邮政编码：" +
//    province); common websites in the twelve sub-classes
//    ("常用网站：" + sub-class + "\" + finer group); legal institutions
//    ("法律机构：" + kind, optionally "\" + place); government agencies
//    ("政府机构：" + group) and travel services ("旅行服务：" + kind).
//    Every record is name, an empty prefix, code, class.
//  - "lawbase\GovURLs.txt": group, body, website address, "" for the
//    central bodies (named as in issuing-body lines), the provincial-level
//    and some city governments, and bodies since merged into others (with
//    the site of their successor);
//  - "lawbase\places.txt": the provincial-level places in short form and
//    the cities of the table, so that place and sector pick a government;
//  - "lawbase\Sectors.txt": the sectors that complete a place to a body of
//    the table ("人民政府", "特别行政区政府").

struct DemoDirectoryResult {
    int directoryRecords = 0; // written to "comcodes.txt"; 0 when kept
    int govSites = 0;         // written to "GovURLs.txt"; 0 when kept
    int places = 0;
    int sectors = 0;
    int written = 0; // files written
    int kept = 0;    // files already there, left as they were
    QString failure; // why not every file was written
    bool ok() const { return failure.isEmpty(); }
};

// Writes the four files on the system drive of `drives`. A file that exists
// (letter case aside) is kept unless `overwrite`. Each file is replaced
// atomically; the first failure stops the run.
DemoDirectoryResult writeDemoDirectory(const DriveMap &drives, bool overwrite);
