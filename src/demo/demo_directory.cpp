#include "demo/demo_directory.h"

#include "core/directory/comcodes.h"
#include "core/foundation/record_file.h"
#include "core/lawdb/gov_urls.h"
#include "demo/demo_directory_tables.h"

namespace {

QList<Record> oneFieldRecords(const QStringList &names)
{
    QList<Record> records;
    for (const QString &name : names)
        records.append(Record{name});
    return records;
}

struct Table {
    QString path;
    QList<Record> records;
    int DemoDirectoryResult::*count;
};

} // namespace

DemoDirectoryResult writeDemoDirectory(const DriveMap &drives, bool overwrite)
{
    using namespace DemoDirectoryTables;
    const RecordFile files(drives);
    const Table tables[] = {
        {comCodesPath(), numberRecords() + siteRecords(), &DemoDirectoryResult::directoryRecords},
        {govUrlsPath(), govUrlRecords(), &DemoDirectoryResult::govSites},
        {placesPath(), oneFieldRecords(placeNames()), &DemoDirectoryResult::places},
        {sectorsPath(), oneFieldRecords(sectorNames()), &DemoDirectoryResult::sectors},
    };

    DemoDirectoryResult result;
    for (const Table &table : tables) {
        if (!overwrite && files.exists(table.path)) {
            ++result.kept;
            continue;
        }
        RecordWriter writer = files.openForWriting(table.path);
        for (const Record &record : table.records)
            writer.write(record);
        if (FileResult r = writer.commit(); !r) {
            result.failure = r.message();
            return result;
        }
        result.*table.count = int(table.records.size());
        ++result.written;
    }
    return result;
}
