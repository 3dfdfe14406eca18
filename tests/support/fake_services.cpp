#include "support/fake_services.h"

#include <QFileInfo>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace {

const char *nameOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return "None";
    case MessageIcon::Information:
        return "Information";
    case MessageIcon::Warning:
        return "Warning";
    case MessageIcon::Critical:
        return "Critical";
    case MessageIcon::Question:
        return "Question";
    }
    return "?";
}

const char *nameOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return "Ok";
    case MessageButtons::OkCancel:
        return "OkCancel";
    case MessageButtons::YesNo:
        return "YesNo";
    case MessageButtons::YesNoCancel:
        return "YesNoCancel";
    }
    return "?";
}

const char *nameOf(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok:
        return "Ok";
    case MessageAnswer::Cancel:
        return "Cancel";
    case MessageAnswer::Yes:
        return "Yes";
    case MessageAnswer::No:
        return "No";
    }
    return "?";
}

// What create() hands out: it forwards to a player the factory keeps, and marks that
// player released when the window code destroys it.
class FakeWavePlayerHandle final : public WavePlayer
{
public:
    explicit FakeWavePlayerHandle(FakeWavePlayer &player)
        : m_player(player)
    {}
    ~FakeWavePlayerHandle() override { m_player.released = true; }

    void load(const QString &hostPath) override { m_player.load(hostPath); }
    void play() override { m_player.play(); }
    void rewind() override { m_player.rewind(); }
    bool isLoaded() const override { return m_player.isLoaded(); }

private:
    FakeWavePlayer &m_player;
};

} // namespace

MessageAnswer FakeMessageBoxes::show(const MessageRequest &request)
{
    calls.push_back(request);
    if (onShow)
        onShow(request);
    if (answers.empty())
        return defaultAnswer(request);
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    if (!answersOf(request.buttons).contains(answer)) {
        ADD_FAILURE() << "scripted answer " << nameOf(answer) << " is not a button of "
                      << nameOf(request.buttons) << " box \"" << request.text.toStdString() << '"';
    }
    return answer;
}

QString FakeFileDialogs::openFile(const QString &title, const QString &directory,
                                  const QString &filter)
{
    calls.push_back({title, directory, filter});
    if (chosenFiles.empty())
        return {};
    QString chosen = chosenFiles.front();
    chosenFiles.pop_front();
    return chosen;
}

void FakeShellOpen::open(const QString &target, bool maximised)
{
    calls.push_back({target, maximised});
}

void FakeWavePlayer::load(const QString &hostPath)
{
    calls.push_back({Action::Load, hostPath});
    loadedPath = hostPath;
}

void FakeWavePlayer::play()
{
    calls.push_back({Action::Play, loadedPath});
}

void FakeWavePlayer::rewind()
{
    calls.push_back({Action::Rewind, loadedPath});
}

bool FakeWavePlayer::isLoaded() const
{
    return loadSucceeds && !loadedPath.isEmpty();
}

QStringList FakeWavePlayer::loads() const
{
    QStringList paths;
    for (const Call &call : calls) {
        if (call.action == Action::Load)
            paths.append(call.path);
    }
    return paths;
}

int FakeWavePlayer::playCount() const
{
    return int(std::ranges::count(calls, Action::Play, &Call::action));
}

int FakeWavePlayer::rewindCount() const
{
    return int(std::ranges::count(calls, Action::Rewind, &Call::action));
}

std::unique_ptr<WavePlayer> FakeWavePlayerFactory::create()
{
    auto &player = players.emplace_back(std::make_unique<FakeWavePlayer>());
    player->loadSucceeds = loadsSucceed;
    return std::make_unique<FakeWavePlayerHandle>(*player);
}

FakeWavePlayer *FakeWavePlayerFactory::playerFor(const QString &fileName) const
{
    for (const auto &player : players) {
        if (QFileInfo(player->loadedPath).fileName().compare(fileName, Qt::CaseInsensitive) == 0)
            return player.get();
    }
    return nullptr;
}

QString FakeClipboard::text() const
{
    ++reads;
    return content;
}

void FakeClipboard::setText(const QString &text)
{
    writes.push_back(text);
    content = text;
}

bool FakeWindowPrinter::printImage(QWidget *window)
{
    calls.push_back(window ? window->objectName() : QString());
    if (results.empty())
        return true;
    const bool result = results.front();
    results.pop_front();
    return result;
}

void FakeBeeper::beep()
{
    ++beeps;
}

PlatformServices FakePlatformServices::services()
{
    return {
        .messageBoxes = messageBoxes,
        .fileDialogs = fileDialogs,
        .shellOpen = shellOpen,
        .wavePlayerFactory = wavePlayerFactory,
        .clipboard = clipboard,
        .windowPrinter = windowPrinter,
        .beeper = beeper,
    };
}

void PrintTo(MessageIcon icon, std::ostream *out)
{
    *out << "MessageIcon::" << nameOf(icon);
}

void PrintTo(MessageButtons buttons, std::ostream *out)
{
    *out << "MessageButtons::" << nameOf(buttons);
}

void PrintTo(MessageAnswer answer, std::ostream *out)
{
    *out << "MessageAnswer::" << nameOf(answer);
}

void PrintTo(const MessageRequest &request, std::ostream *out)
{
    *out << "{text \"" << request.text.toStdString() << "\", title \""
         << request.title.toStdString() << "\", " << nameOf(request.icon) << ", "
         << nameOf(request.buttons) << ", default "
         << (request.defaultButton ? nameOf(*request.defaultButton) : "unset") << '}';
}

void PrintTo(FakeWavePlayer::Action action, std::ostream *out)
{
    switch (action) {
    case FakeWavePlayer::Action::Load:
        *out << "Load";
        return;
    case FakeWavePlayer::Action::Play:
        *out << "Play";
        return;
    case FakeWavePlayer::Action::Rewind:
        *out << "Rewind";
        return;
    }
}
