#pragma once

#include <QString>

// The fixed folders of the system. Every path the system uses starts with one
// of them; DriveMap turns it into a host path.
namespace InstallPaths {

// The install folder: the program's own data, pictures, sounds, help texts
// and one data folder per module.
QString installDir(); // "c:\program files\quorix\"

// The folder of the law texts.
QString contentDir(); // "c:\program files\common files\lab\"

// The lunar calendar table.
QString calendarFile(); // "c:\Program files\quorix\calendar.txt"

// The data folders of the three modules, relative to the install folder.
QString clientsDir();    // "clients\"
QString lawbaseDir();    // "lawbase\"
QString yellowPageDir(); // "YellowPage\"

} // namespace InstallPaths
