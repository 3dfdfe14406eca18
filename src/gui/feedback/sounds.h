#pragma once

// The sound routines the window plays at its events. Each call is counted,
// so that what the window played can be told; the sounds themselves come
// with the sound table of the install folder.
class Sounds
{
public:
    enum Sound { Page, Click, Button, Email, Kill, Restore, Backup, Favorites, Print, Count };

    void play(Sound sound) { ++m_played[sound]; }
    void pageSound() { play(Page); }
    void clickSound() { play(Click); }
    void buttonSound() { play(Button); }
    void emailSound() { play(Email); }
    void killSound() { play(Kill); }
    void restoreSound() { play(Restore); }
    void backupSound() { play(Backup); }

    // The hover latch of the button sound: moves over the background clear
    // it; a move over the text pane clears it and asks for the sound again;
    // the bare background stops and rewinds the button sound's player.
    void clearLatch() {}
    void paneHover() { buttonSound(); }
    void closeButtonPlayer() {}

    int played(Sound sound) const { return m_played[sound]; }
    void resetCounts()
    {
        for (int &n : m_played)
            n = 0;
    }

private:
    int m_played[Count] = {};
};
