#pragma once

#include "core/help/help_list.h"

#include <QList>
#include <QString>

class DriveMap;

// The hints and help texts of the demo install:
//  - "help\helplist.txt", the hint table: for every control that shows a
//    hint, one record per module where it applies (one record for several
//    modules where the text is the same), its hint holding the control's
//    topic word ("[类别1]", "列表框");
//  - one help text per record, "help\" + hint + modules + ".txt", an RTF
//    document explaining the control to a new user: the hint as a red
//    heading, then a few sentences;
//  - the version notes "help\[版本说明]123.txt" with their record
//    "[版本说明]" for modules 1, 2 and 3: what this version offers, module
//    by module.
// Where one topic word is part of another ("列表框" in "附件列表框"), the
// record of the shorter one comes first, so that every control finds its
// own hint.

struct DemoHelpResult {
    int hints = 0;   // records written to "helplist.txt"; 0 when kept
    int written = 0; // files written
    int kept = 0;    // files already there, left as they were
    QString failure; // why not every file was written
    bool ok() const { return failure.isEmpty(); }
};

// The records of the demo's hint table, in file order.
QList<HelpHint> demoHelpHints();

// Writes the table and the help texts on the system drive of `drives`. A
// file that exists (letter case aside) is kept unless `overwrite`. Each file
// is replaced atomically; the first failure stops the run.
DemoHelpResult writeDemoHelp(const DriveMap &drives, bool overwrite);
