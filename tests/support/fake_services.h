#pragma once

#include "gui/platform/platform_services.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <iosfwd>
#include <memory>
#include <vector>

// Fakes of the desktop services for window tests. Each records every call in a public
// list and answers from a public script that the test fills before it acts.

// Message boxes. A box is answered with the front of answers; with answers empty it is
// answered with its default button (defaultAnswer(): the request's default button, else
// its first one), as if the user pressed Enter. A scripted answer that is not one of the
// box's buttons fails the test, and is returned all the same.
struct FakeMessageBoxes final : MessageBoxes {
    std::vector<MessageRequest> calls;
    std::deque<MessageAnswer> answers;
    // Called with each box as it is shown, for tests that look at the window
    // while a box is open.
    std::function<void(const MessageRequest &)> onShow;

    MessageAnswer show(const MessageRequest &request) override;
};

// The open-file dialog. It answers with the front of chosenFiles; with chosenFiles empty
// the user cancels (an empty string).
struct FakeFileDialogs final : FileDialogs {
    struct Call {
        QString title;
        QString directory;
        QString filter;
        friend bool operator==(const Call &, const Call &) = default;
    };
    std::vector<Call> calls;
    std::deque<QString> chosenFiles;

    QString openFile(const QString &title, const QString &directory,
                     const QString &filter) override;
};

// The shell "open" action: only recorded.
struct FakeShellOpen final : ShellOpen {
    struct Call {
        QString target;
        bool maximised = false;
        friend bool operator==(const Call &, const Call &) = default;
    };
    std::vector<Call> calls;

    void open(const QString &target, bool maximised) override;
};

// A wave player that records its commands. After a load of a non-empty path it is
// loaded if loadSucceeds; it never makes a sound.
struct FakeWavePlayer final : WavePlayer {
    enum class Action { Load, Play, Rewind };
    struct Call {
        Action action = Action::Load;
        QString path; // Load: the path given; Play and Rewind: the path loaded at the time
        friend bool operator==(const Call &, const Call &) = default;
    };
    std::vector<Call> calls;
    QString loadedPath;       // the path of the last load
    bool loadSucceeds = true; // script: whether a load makes the player loaded
    bool released = false;    // the window code has destroyed its handle to this player

    void load(const QString &hostPath) override;
    void play() override;
    void rewind() override;
    bool isLoaded() const override;

    QStringList loads() const; // the paths of every load, in order
    int playCount() const;
    int rewindCount() const;
};

// Makes FakeWavePlayers and keeps them: players holds every one made, in order, and
// outlives the handles create() returns, so a test can read a player's record even after
// the window code has dropped it.
struct FakeWavePlayerFactory final : WavePlayerFactory {
    std::vector<std::unique_ptr<FakeWavePlayer>> players;
    bool loadsSucceed = true; // loadSucceeds of the players made from now on

    std::unique_ptr<WavePlayer> create() override;

    // The player whose last load was a file called fileName (in any folder, any letter
    // case); null when there is none.
    FakeWavePlayer *playerFor(const QString &fileName) const;
};

// The clipboard: holds content, which a test may set beforehand. It starts empty.
struct FakeClipboard final : Clipboard {
    QString content;
    std::vector<QString> writes; // every setText, in order
    mutable int reads = 0;       // how often text() was asked

    QString text() const override;
    void setText(const QString &text) override;
};

// The window printer. calls holds the objectName of each window printed (empty for a
// null window). It answers with the front of results; with results empty printing
// succeeds (true).
struct FakeWindowPrinter final : WindowPrinter {
    std::vector<QString> calls;
    std::deque<bool> results;

    bool printImage(QWidget *window) override;
};

// The beep: counted.
struct FakeBeeper final : Beeper {
    int beeps = 0;

    void beep() override;
};

// One fake of each service, and the PlatformServices over them.
struct FakePlatformServices {
    FakeMessageBoxes messageBoxes;
    FakeFileDialogs fileDialogs;
    FakeShellOpen shellOpen;
    FakeWavePlayerFactory wavePlayerFactory;
    FakeClipboard clipboard;
    FakeWindowPrinter windowPrinter;
    FakeBeeper beeper;

    // Valid for as long as this object lives.
    PlatformServices services();
};

// Readable values in GoogleTest's failure messages.
void PrintTo(MessageIcon icon, std::ostream *out);
void PrintTo(MessageButtons buttons, std::ostream *out);
void PrintTo(MessageAnswer answer, std::ostream *out);
void PrintTo(const MessageRequest &request, std::ostream *out);
void PrintTo(FakeWavePlayer::Action action, std::ostream *out);
