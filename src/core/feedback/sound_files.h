#pragma once

#include "core/foundation/file_result.h"

#include <QString>
#include <QStringList>

class RecordFile;

// The files of the install folder's "sounds\" folder: the nine wave files of
// the sound routines and the sound switch.

// The wave files, in the order of the routines' players (click, page,
// favourites, restore, backup, print, e-mail, button, delete), as the
// routines name them.
QStringList soundFileNames();

// "c:\program files\quorix\sounds\" + name.
QString soundFilePath(const QString &name);

// The sound switch "sounds\SoundEffects.txt": one record of one number,
// 1 (sounds on) or 0 (off).
QString soundSwitchPath();

// The switch as stored: on when the file is missing, empty or unreadable,
// and for any number but 0.
bool readSoundSwitch(const RecordFile &files);

// Replaces the switch file with one record holding 1 or 0, making the
// "sounds\" folder when it is missing.
FileResult writeSoundSwitch(const RecordFile &files, bool on);
