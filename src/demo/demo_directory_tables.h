#pragma once

#include "core/foundation/record_value.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

// The tables behind writeDemoDirectory (demo_directory.h), as the records of
// their files. Kept apart from the writer because they are long.
namespace DemoDirectoryTables {

// One entry of a table written as text literals: a group (sub-class path,
// kind or province), a name and its code (number, address or web address).
struct Entry {
    QStringView group;
    QStringView name;
    QStringView code;
};

// Appends the entries as directory records (name, the empty prefix, code,
// class), the class being `kind` followed by the entry's group.
void appendDirectoryRecords(QList<Record> &records, std::span<const Entry> table, QStringView kind);

// demo_directory_codes.cpp: telephone area codes ("DD电话区号："), post codes
// ("ZIP邮政编码："), help lines ("求助电话：") and travel services
// ("旅行服务：").
QList<Record> numberRecords();

// demo_directory_sites.cpp: common websites ("常用网站："), legal
// institutions ("法律机构：") and government agencies ("政府机构：").
QList<Record> siteRecords();

// The tables of the official-website search: "GovURLs.txt" (group, body,
// address, ""), "places.txt" and "Sectors.txt" (one name each).
QList<Record> govUrlRecords();
QStringList placeNames();
QStringList sectorNames();

} // namespace DemoDirectoryTables
