#include "demo/demo_install.h"

#include "core/calendar/calendar_table.h"
#include "core/clients/ledger.h"
#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"
#include "core/lawdb/law_index.h"
#include "core/lawdb/word_find.h"
#include "demo/demo_tree.h"

using namespace Qt::StringLiterals;

namespace {

// One part of the install. It records what it did in the result and returns
// false, with result.failure set, when the install cannot go on.
using Step = bool (*)(const DriveMap &, const DemoInstallOptions &, DemoInstallResult &);

bool folders(const DriveMap &drives, const DemoInstallOptions &, DemoInstallResult &result)
{
    if (FileResult r = writeDemoTree(drives); !r) {
        result.failure = r.message();
        return false;
    }
    return true;
}

bool pictures(const DriveMap &drives, const DemoInstallOptions &options, DemoInstallResult &result)
{
    result.pictures = writeDemoPictures(drives, options.overwrite);
    result.failure = result.pictures.failure;
    return result.ok();
}

bool sounds(const DriveMap &drives, const DemoInstallOptions &options, DemoInstallResult &result)
{
    result.sounds = writeDemoSounds(drives, options.overwrite);
    result.failure = result.sounds.failure;
    return result.ok();
}

DemoLawOptions lawOptions(const DemoInstallOptions &options)
{
    return {options.laws, options.seed, options.today, options.overwrite};
}

bool laws(const DriveMap &drives, const DemoInstallOptions &options, DemoInstallResult &result)
{
    if (options.laws == 0)
        return true;
    if (!options.overwrite && lawDatabasePresent(drives)) {
        result.lawsKept = true;
        return true;
    }
    result.laws = writeDemoLaws(drives, lawOptions(options));
    result.failure = result.laws.failure;
    return result.ok();
}

// Writes one table unless it is there and kept; false, with result.failure
// set, when it cannot be written.
bool writeTable(const RecordFile &files, const QString &path, const QList<Record> &records,
                const DemoInstallOptions &options, DemoInstallResult &result)
{
    if (files.exists(path) && !options.overwrite)
        return true;
    RecordWriter writer = files.openForWriting(path);
    for (const Record &record : records)
        writer.write(record);
    if (FileResult r = writer.commit(); !r) {
        result.failure = r.message();
        return false;
    }
    return true;
}

// The special-character table of the word find: 24 symbols masked with "~"
// in the shown text while a word is searched, then an end row. The
// currencies of the billing ledger, the default first.
bool tables(const DriveMap &drives, const DemoInstallOptions &options, DemoInstallResult &result)
{
    const RecordFile files(drives);
    static constexpr char16_t Symbols[] = u"□■○●◇◆△▲▽▼☆★※→←↑↓〓§№◎☉♀♂";
    QList<Record> errNoList;
    for (const QChar symbol : QStringView(Symbols))
        errNoList.append({QString(symbol), u"符号"_s, u"~"_s, QString()});
    errNoList.append({u"~"_s, u"表尾"_s, u"~"_s, u"end"_s});
    QList<Record> currencies;
    for (const QString &currency :
         {u"人民币"_s, u"美元"_s, u"欧元"_s, u"港币"_s, u"日元"_s, u"英镑"_s})
        currencies.append(Record{currency});
    return writeTable(files, errNoListPath(), errNoList, options, result) &&
           writeTable(files, currenciesPath(), currencies, options, result);
}

bool directory(const DriveMap &drives, const DemoInstallOptions &options, DemoInstallResult &result)
{
    result.directory = writeDemoDirectory(drives, options.overwrite);
    result.failure = result.directory.failure;
    return result.ok();
}

// The hint table, the help texts and the version notes.
bool help(const DriveMap &drives, const DemoInstallOptions &options, DemoInstallResult &result)
{
    result.help = writeDemoHelp(drives, options.overwrite);
    result.failure = result.help.failure;
    return result.ok();
}

// The lunar calendar table of the calendar line.
bool calendar(const DriveMap &drives, const DemoInstallOptions &options, DemoInstallResult &result)
{
    const RecordFile files(drives);
    const QString path = InstallPaths::calendarFile();
    if (files.exists(path) && !options.overwrite) {
        result.calendar.kept = true;
        return true;
    }
    if (FileResult r = writeCalendarTable(files, path, DemoCalendarFirstYear, DemoCalendarLastYear);
        !r) {
        result.failure = r.message();
        return false;
    }
    result.calendar.days =
        int(QDate(DemoCalendarFirstYear, 1, 1).daysTo(QDate(DemoCalendarLastYear, 12, 31))) + 1;
    return true;
}

// The sample clients carry dates of the month of today; without a today
// there are none.
bool clients(const DriveMap &drives, const DemoInstallOptions &options, DemoInstallResult &result)
{
    if (!options.today.isValid())
        return true;
    result.clients = writeDemoClients(drives, options.today, options.overwrite);
    result.failure = result.clients.failure;
    return result.ok();
}

// In this order: the small parts first, so that a failure of the large law
// database still leaves a tree the program can start on.
constexpr Step Steps[] = {
    folders, pictures, sounds, tables, directory, help, calendar, clients, laws,
};

QString optionsProblem(const DemoInstallOptions &options)
{
    if (options.laws < 0 || options.laws > DemoLawMaximum)
        return u"法律文件数必须在 0 到 180000 之间"_s;
    if (options.laws > 0)
        return demoLawOptionsProblem(lawOptions(options));
    return {};
}

} // namespace

DemoInstallResult writeDemoInstall(const DriveMap &drives, const DemoInstallOptions &options)
{
    DemoInstallResult result;
    result.failure = optionsProblem(options);
    if (!result.ok())
        return result;
    for (Step step : Steps) {
        if (!step(drives, options, result))
            break;
    }
    return result;
}

bool needsDemoInstall(const DriveMap &drives)
{
    const RecordFile files(drives);
    return !files.exists(lawIndexPath()) && files.listFiles(demoPicturePath({})).isEmpty();
}
