#pragma once

#include <QElapsedTimer>
#include <QString>

#include <array>
#include <memory>

class Form1;
class WavePlayer;
class WavePlayerFactory;

// The nine sound routines of the main window. Each plays one wave file of
// the install folder's "sounds\" folder on a player of its own, made once
// with the window, so that different sounds can sound together; a routine
// called again while its sound plays starts it anew. A routine plays only
// while the sound switch Check2 is on and a module is shown (lbPageNo is not
// 0); the page sound also needs rows in List1. The button sound skips the
// module test and plays once per visit to the buttons: it sets the hover
// latch, which the background and the text pane clear. A missing file or
// sound device leaves a routine silent; nothing waits for a sound.
class Sounds
{
public:
    // The routines, in the order of their players (MMControl1 to MMControl9).
    enum Sound { Click, Page, Favorites, Restore, Backup, Print, Email, Button, Kill, Count };

    Sounds(Form1 &window, WavePlayerFactory &players);
    ~Sounds();
    Sounds(const Sounds &) = delete;
    Sounds &operator=(const Sounds &) = delete;

    // At creation of the window: sets Check2 from the switch file, without
    // writing it back, and gives every player its file.
    void readSwitch();
    void openFiles();
    // Check2 changed, by the user or the program: stores the new value,
    // shows the caption in the button-text colour (on) or grey (off), and
    // plays the page sound when switched on.
    void Check2Click();

    // Plays the routine's sound when its conditions hold.
    void play(Sound sound);

    void ClickSnd() { play(Click); }
    void PageSnd() { play(Page); }
    void FavSnd() { play(Favorites); }
    void RestoreSnd() { play(Restore); }
    void BackupSnd() { play(Backup); }
    void PrintSnd() { play(Print); }
    void EmailSnd() { play(Email); }
    void ButtonSnd() { play(Button); }
    void KillSnd() { play(Kill); }

    // The same routines under the names the window's handlers use.
    void pageSound() { PageSnd(); }
    void clickSound() { ClickSnd(); }
    void buttonSound() { ButtonSnd(); }
    void emailSound() { EmailSnd(); }
    void killSound() { KillSnd(); }
    void restoreSound() { RestoreSnd(); }
    void backupSound() { BackupSnd(); }

    // The hover latch of the button sound (0 or 1): moves over the
    // background clear it; a move over the text pane clears it and asks for
    // the sound again; the bare background stops the button sound's player
    // and takes it back to the start, leaving the latch as it is.
    int hoverLatch() const { return m_latch; }
    void clearLatch() { m_latch = 0; }
    void paneHover();
    void closeButtonPlayer();

    // The file of a routine, as the system names it
    // ("c:\program files\quorix\sounds\click.wav").
    static QString filePath(Sound sound);

    // How often each sound was started since the last resetCounts().
    int played(Sound sound) const { return m_played[sound]; }
    void resetCounts() { m_played = {}; }

private:
    bool allowed(Sound sound) const;
    void showSwitch();

    Form1 &f;
    std::array<std::unique_ptr<WavePlayer>, Count> m_players;
    // When each missing sound was last looked for: it is looked for again
    // only now and then, not at every play (resolving its path reads folders).
    std::array<QElapsedTimer, Count> m_lookedFor;
    int m_latch = 0;
    std::array<int, Count> m_played = {};
};
