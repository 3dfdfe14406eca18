#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class DriveMap;

// The sounds of the install folder's "sounds\" folder, synthesised here:
// 16-bit PCM mono wave files at DemoSoundRate, each a short, soft sound with
// its own envelope (a quick rise and a smooth fall to silence), its peak well
// below full scale.
//  - "click.wav": a soft wooden tick, 0.06 s;
//  - "Page.wav": a page turning, a rustle of filtered noise sweeping up and
//    fading, with a faint high glint, 0.32 s;
//  - "Favorites.wav": three bell notes rising, C6 E6 G6, 0.8 s;
//  - "Restore.wav": four marimba notes rising, G5 C6 E6 G6, the last one
//    ringing, 1.2 s;
//  - "backup.wav": three marimba notes falling, G6 E6 C6, 1.0 s;
//  - "print.wav": a run of soft ticks over a low hum, like a printer head,
//    closed by a short high tone, 0.62 s;
//  - "email.wav": a two-note bell, A5 then E6, with a slight shimmer, 0.9 s;
//  - "button.wav": a very short, quiet blip falling in pitch, 0.07 s;
//  - "kill.wav": a tone gliding down from 700 to 180 Hz, 0.45 s.

inline constexpr int DemoSoundRate = 22050;

// The file names, in the order they are written.
QStringList demoSoundNames();

// The bytes of the wave file for a name of the list (letter case counts);
// empty for any other name.
QByteArray synthesizeDemoSound(const QString &name);

struct DemoSoundResult {
    int written = 0;            // wave files written
    int kept = 0;               // wave files already there, left as they were
    bool switchWritten = false; // "SoundEffects.txt" (sounds on) was written
    QString failure;            // why not every file was written
    bool ok() const { return failure.isEmpty(); }
};

// Writes every wave file and the sound switch (on) on the system drive of
// `drives`, creating the folder when missing. A file that exists (letter
// case aside) is kept unless `overwrite`. Each file is replaced atomically;
// the first failure stops the run.
DemoSoundResult writeDemoSounds(const DriveMap &drives, bool overwrite);
