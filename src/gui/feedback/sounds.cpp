#include "gui/feedback/sounds.h"

#include "core/feedback/sound_files.h"
#include "gui/mainwindow/form1.h"
#include "gui/platform/wave_player.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include <QTreeWidget>

Sounds::Sounds(Form1 &window, WavePlayerFactory &players)
    : f(window)
{
    for (std::unique_ptr<WavePlayer> &player : m_players)
        player = players.create();
}

Sounds::~Sounds() = default;

QString Sounds::filePath(Sound sound)
{
    return soundFilePath(soundFileNames().at(sound));
}

void Sounds::readSwitch()
{
    {
        const QSignalBlocker quiet(f.Check2);
        f.Check2->setChecked(readSoundSwitch(f.files()));
    }
    showSwitch();
}

void Sounds::openFiles()
{
    for (int s = 0; s < Count; ++s) {
        m_players[s]->load(f.files().hostPath(filePath(Sound(s))));
        m_lookedFor[s].start();
    }
}

void Sounds::Check2Click()
{
    const bool on = f.Check2->isChecked();
    // The switch is kept for the next start; when its file cannot be
    // written the switch still holds for this run, and nothing is told.
    (void)writeSoundSwitch(f.files(), on);
    showSwitch();
    if (on)
        PageSnd();
}

void Sounds::showSwitch()
{
    setTextColour(f.Check2, f.Check2->isChecked() ? f.palette().color(QPalette::ButtonText)
                                                  : QColor(0x80, 0x80, 0x80));
}

bool Sounds::allowed(Sound sound) const
{
    if (!f.Check2->isChecked())
        return false;
    if (sound == Button)
        return m_latch == 0;
    if (f.module() == 0)
        return false;
    return sound != Page || f.List1->topLevelItemCount() > 0;
}

void Sounds::play(Sound sound)
{
    if (!allowed(sound))
        return;
    WavePlayer &player = *m_players[sound];
    // A file that was missing or unreadable before is looked for again,
    // at most every few seconds.
    QElapsedTimer &looked = m_lookedFor[sound];
    if (!player.isLoaded() && (!looked.isValid() || looked.elapsed() >= 5000)) {
        player.load(f.files().hostPath(filePath(sound)));
        looked.start();
    }
    player.rewind();
    player.play();
    ++m_played[sound];
    if (sound == Button)
        m_latch = 1;
}

void Sounds::paneHover()
{
    m_latch = 0;
    ButtonSnd();
}

void Sounds::closeButtonPlayer()
{
    m_players[Button]->rewind();
}
