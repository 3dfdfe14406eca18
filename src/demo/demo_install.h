#pragma once

#include "demo/demo_clients.h"
#include "demo/demo_directory.h"
#include "demo/demo_help.h"
#include "demo/demo_laws.h"
#include "demo/demo_pictures.h"
#include "demo/demo_sounds.h"

#include <QDate>
#include <QString>

class DriveMap;

// The demo install tree: everything a fresh installation needs so that the
// program starts and every module has something to show. One entry point
// writes all of it; each part of the install is one step of it (see
// demo_install.cpp), and a new part is one more step and one more member of
// the result.

inline constexpr int DemoInstallLaws = 3000;

// The years of the demo's lunar calendar table.
inline constexpr int DemoCalendarFirstYear = 1900;
inline constexpr int DemoCalendarLastYear = 2100;

// The lunar calendar table "calendar.txt": the days written, or kept when a
// table was there.
struct DemoCalendarResult {
    int days = 0;
    bool kept = false;
};

struct DemoInstallOptions {
    int laws = DemoInstallLaws; // invented law documents; 0 writes no law database
    quint64 seed = 1;
    QDate today;            // the newest date the demo data may carry (the clock)
    bool overwrite = false; // replace files already there; otherwise they are kept
};

struct DemoInstallResult {
    DemoPictureResult pictures;
    DemoSoundResult sounds; // the wave files and the sound switch of "sounds\"
    // The directory and the official-website tables.
    DemoDirectoryResult directory;
    DemoClientResult clients;    // the sample clients, or kept when a register was there
    DemoCalendarResult calendar; // the calendar table, or kept when one was there
    DemoHelpResult help;         // the hint table and the help texts of "help\"
    DemoLawResult laws;          // what was written; nothing when kept or not asked for
    bool lawsKept = false;       // a law database was there and was left as it was
    QString failure;             // why the install is not complete
    bool ok() const { return failure.isEmpty(); }
};

// Writes the install tree on the system drive of `drives`: the folders
// (writeDemoTree), the pictures (writeDemoPictures), the sounds
// (writeDemoSounds), the directory and the
// official-website tables (writeDemoDirectory), the sample clients
// (writeDemoClients, when no client register is there and options.today is
// a date) and, unless options.laws
// is 0, a law database of that many documents (writeDemoLaws) when none is
// there. Without options.overwrite no existing file changes: a file already
// there is kept, and an existing law database is kept whole. With it every
// file of the demo is written anew and an existing law database is
// replaced. Options that cannot be used are refused before anything is
// written; otherwise the first failure stops the run, and what was written
// until then is complete (every file is replaced atomically). The lunar
// calendar table of DemoCalendarFirstYear to DemoCalendarLastYear
// (writeCalendarTable) is one of the files so kept or written, and so are
// the hint table and the help texts (writeDemoHelp).
DemoInstallResult writeDemoInstall(const DriveMap &drives, const DemoInstallOptions &options);

// True on a fresh installation: the install folder
// ("c:\program files\quorix\") has neither a law index nor any file in
// "objpics\". The desktop program asks this at start and then calls
// writeDemoInstall with the clock's today and the other options left as they
// are; an installation that has either is the user's and is not touched.
bool needsDemoInstall(const DriveMap &drives);
