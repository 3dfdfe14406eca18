#include "support/fake_services.h"

#include <QWidget>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <ostream>

using namespace Qt::StringLiterals;

namespace {

struct ScriptCase {
    const char *name;
    MessageButtons buttons;
    std::optional<MessageAnswer> defaultButton;
    std::deque<MessageAnswer> script;
    std::vector<MessageAnswer> expected; // the answers of as many boxes in a row
};

void PrintTo(const ScriptCase &c, std::ostream *out)
{
    *out << c.name;
}

class FakeMessageBoxesTest : public testing::TestWithParam<ScriptCase>
{};

TEST_P(FakeMessageBoxesTest, AnswersFromTheScriptThenWithTheDefaultButton)
{
    const ScriptCase &c = GetParam();
    FakeMessageBoxes boxes;
    boxes.answers = c.script;
    const MessageRequest request{u"开始备份?"_s, u"备份-导出"_s, MessageIcon::Question, c.buttons,
                                 c.defaultButton};

    std::vector<MessageAnswer> answers;
    for (std::size_t i = 0; i < c.expected.size(); ++i)
        answers.push_back(boxes.show(request));

    EXPECT_EQ(answers, c.expected);
    EXPECT_EQ(boxes.calls, std::vector<MessageRequest>(c.expected.size(), request));
    EXPECT_TRUE(boxes.answers.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, FakeMessageBoxesTest,
    testing::Values(ScriptCase{"EmptyScriptOk", MessageButtons::Ok, {}, {}, {MessageAnswer::Ok}},
                    ScriptCase{
                        "EmptyScriptYesNo", MessageButtons::YesNo, {}, {}, {MessageAnswer::Yes}},
                    ScriptCase{"EmptyScriptTakesDefault",
                               MessageButtons::YesNoCancel,
                               MessageAnswer::Cancel,
                               {},
                               {MessageAnswer::Cancel, MessageAnswer::Cancel}},
                    ScriptCase{"ScriptInOrder",
                               MessageButtons::YesNoCancel,
                               {},
                               {MessageAnswer::No, MessageAnswer::Cancel},
                               {MessageAnswer::No, MessageAnswer::Cancel, MessageAnswer::Yes}},
                    ScriptCase{"ScriptOverridesDefault",
                               MessageButtons::OkCancel,
                               MessageAnswer::Cancel,
                               {MessageAnswer::Ok},
                               {MessageAnswer::Ok, MessageAnswer::Cancel}}),
    [](const testing::TestParamInfo<ScriptCase> &p) { return std::string(p.param.name); });

TEST(FakeMessageBoxes, AScriptedAnswerTheBoxDoesNotOfferFailsTheTest)
{
    FakeMessageBoxes boxes;
    boxes.answers = {MessageAnswer::Yes};
    EXPECT_NONFATAL_FAILURE(boxes.information(u"备份结束!"_s, u"备份-导出"_s),
                            "is not a button of Ok box");
}

TEST(FakeFileDialogs, AnswersTheChosenFilesThenCancels)
{
    FakeFileDialogs dialogs;
    dialogs.chosenFiles = {u"/tmp/照片.jpg"_s, u"/tmp/b.doc"_s};

    EXPECT_EQ(dialogs.openFile(u"加入客户照片"_s, u"/tmp"_s, u"Pictures (*.jpg)"_s),
              u"/tmp/照片.jpg"_s);
    EXPECT_EQ(dialogs.openFile(u"添加客户资料"_s, {}, {}), u"/tmp/b.doc"_s);
    EXPECT_EQ(dialogs.openFile(u"添加客户资料"_s, {}, {}), QString());

    const std::vector<FakeFileDialogs::Call> expected = {
        {u"加入客户照片"_s, u"/tmp"_s, u"Pictures (*.jpg)"_s},
        {u"添加客户资料"_s, {}, {}},
        {u"添加客户资料"_s, {}, {}},
    };
    EXPECT_EQ(dialogs.calls, expected);
}

TEST(FakeWindowPrinter, RecordsTheWindowAndAnswersTheScriptThenSucceeds)
{
    FakeWindowPrinter printer;
    printer.results = {false};
    QWidget window;
    window.setObjectName(u"Form1"_s);

    EXPECT_FALSE(printer.printImage(&window));
    EXPECT_TRUE(printer.printImage(&window));
    EXPECT_TRUE(printer.printImage(nullptr));
    EXPECT_EQ(printer.calls, (std::vector<QString>{u"Form1"_s, u"Form1"_s, QString()}));
}

TEST(FakeWavePlayerFactory, KeepsEveryPlayerAndItsCommandsAfterTheHandleIsGone)
{
    FakeWavePlayerFactory factory;
    {
        std::unique_ptr<WavePlayer> click = factory.create();
        factory.loadsSucceed = false;
        std::unique_ptr<WavePlayer> page = factory.create();

        EXPECT_FALSE(click->isLoaded());
        click->load(u"/root/sounds/click.wav"_s);
        click->rewind();
        click->play();
        page->load(u"/root/sounds/Page.wav"_s);
        page->play();
        EXPECT_TRUE(click->isLoaded());
        EXPECT_FALSE(page->isLoaded());
        EXPECT_FALSE(factory.players.at(0)->released);
    }

    ASSERT_EQ(factory.players.size(), 2U);
    const FakeWavePlayer &click = *factory.players.at(0);
    using Action = FakeWavePlayer::Action;
    const std::vector<FakeWavePlayer::Call> expected = {
        {Action::Load, u"/root/sounds/click.wav"_s},
        {Action::Rewind, u"/root/sounds/click.wav"_s},
        {Action::Play, u"/root/sounds/click.wav"_s},
    };
    EXPECT_EQ(click.calls, expected);
    EXPECT_EQ(click.loads(), QStringList{u"/root/sounds/click.wav"_s});
    EXPECT_EQ(click.playCount(), 1);
    EXPECT_EQ(click.rewindCount(), 1);
    EXPECT_TRUE(click.released);
    EXPECT_TRUE(factory.players.at(1)->released);

    EXPECT_EQ(factory.playerFor(u"page.WAV"_s), factory.players.at(1).get());
    EXPECT_EQ(factory.playerFor(u"kill.wav"_s), nullptr);
}

// The window code's view: every call through PlatformServices lands in its fake.
TEST(FakePlatformServices, RecordsWhatTheWindowCodeAsksThroughPlatformServices)
{
    FakePlatformServices fakes;
    fakes.clipboard.content = u"旧"_s;
    fakes.fileDialogs.chosenFiles = {u"/tmp/a.txt"_s};
    PlatformServices services = fakes.services();

    EXPECT_EQ(services.clipboard.text(), u"旧"_s);
    services.clipboard.setText(u"《合同法》第五十二条"_s);
    EXPECT_EQ(services.clipboard.text(), u"《合同法》第五十二条"_s);
    services.shellOpen.open(u"mailto:someone@example.com"_s, false);
    services.shellOpen.open(u"www.example.com"_s, true);
    services.beeper.beep();
    services.beeper.beep();
    EXPECT_EQ(services.messageBoxes.question(u"q"_s, u"t"_s), MessageAnswer::Yes);
    EXPECT_EQ(services.fileDialogs.openFile(u"t"_s, {}, {}), u"/tmp/a.txt"_s);
    EXPECT_TRUE(services.windowPrinter.printImage(nullptr));
    services.wavePlayerFactory.create()->play();

    EXPECT_EQ(fakes.clipboard.writes, std::vector<QString>{u"《合同法》第五十二条"_s});
    EXPECT_EQ(fakes.clipboard.reads, 2);
    const std::vector<FakeShellOpen::Call> opened = {
        {u"mailto:someone@example.com"_s, false},
        {u"www.example.com"_s, true},
    };
    EXPECT_EQ(fakes.shellOpen.calls, opened);
    EXPECT_EQ(fakes.beeper.beeps, 2);
    EXPECT_EQ(fakes.messageBoxes.calls.size(), 1U);
    EXPECT_EQ(fakes.fileDialogs.calls.size(), 1U);
    EXPECT_EQ(fakes.windowPrinter.calls.size(), 1U);
    ASSERT_EQ(fakes.wavePlayerFactory.players.size(), 1U);
    EXPECT_EQ(fakes.wavePlayerFactory.players.front()->playCount(), 1);
}

} // namespace
