#include "gui/mainwindow/window_fixture.h"

#include "core/clients/client_register.h"
#include "core/feedback/sound_files.h"

#include <QEnterEvent>

namespace {

const Sounds::Sound Every[] = {Sounds::Click,   Sounds::Page,   Sounds::Favorites,
                               Sounds::Restore, Sounds::Backup, Sounds::Print,
                               Sounds::Email,   Sounds::Button, Sounds::Kill};

const QString SwitchFile = u"c:\\program files\\quorix\\sounds\\SoundEffects.txt"_s;

} // namespace

class SoundsTest : public WindowTest
{
protected:
    // The window on a register of one client, so that List1 has a row.
    void startWithAClient()
    {
        tree.writeRecords(clientsRegisterPath(),
                          {{u"甲"_s, u"2026-12-01 08:00:00"_s, u"企业"_s, u"甲\r\n内容"_s}});
        writeErrNoList();
        start();
        ASSERT_EQ(form->List1->topLevelItemCount(), 1);
    }
    // The player of the sound's file in the window shown last (a test that
    // starts the window again has the players of both).
    FakeWavePlayer &player(Sounds::Sound sound) const
    {
        const auto &players = fakes.wavePlayerFactory.players;
        const QString file = u'/' + soundFileNames()[sound];
        for (auto p = players.rbegin(); p != players.rend(); ++p) {
            if ((*p)->loads().value(0).endsWith(file))
                return **p;
        }
        ADD_FAILURE() << "no player for " << file.toStdString();
        return *players.front();
    }
    // Plays since the last forget().
    int plays(Sounds::Sound sound) const { return player(sound).playCount() - m_before[sound]; }
    void forget()
    {
        for (const Sounds::Sound s : Every)
            m_before[s] = player(s).playCount();
        form->sounds.resetCounts();
    }
    int allPlays() const
    {
        int n = 0;
        for (const Sounds::Sound s : Every)
            n += plays(s);
        return n;
    }
    void hover(QWidget *w) const
    {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(w, &enter);
    }

    int m_before[Sounds::Count] = {};
};

TEST_F(SoundsTest, EachRoutinePlaysItsOwnFileOnItsOwnPlayerMadeOnce)
{
    startWithAClient();
    // Nine players, made with the window, each given its file at start.
    ASSERT_EQ(fakes.wavePlayerFactory.players.size(), 9u);
    for (const Sounds::Sound s : Every) {
        const QString file = soundFileNames()[s];
        const QString host = tree.root() + u"/program files/quorix/sounds/"_s + file;
        EXPECT_EQ(player(s).loads(), QStringList{host}) << file.toStdString();
    }

    for (const Sounds::Sound s : Every) {
        SCOPED_TRACE(soundFileNames()[s].toStdString());
        forget();
        form->sounds.clearLatch();
        form->sounds.play(s);
        EXPECT_EQ(plays(s), 1);
        EXPECT_EQ(allPlays(), 1) << "no other player sounds";
        EXPECT_EQ(form->sounds.played(s), 1);
        // A sound called again starts anew: back to the start, then play.
        const auto &calls = player(s).calls;
        ASSERT_GE(calls.size(), 2u);
        EXPECT_EQ(calls[calls.size() - 2].action, FakeWavePlayer::Action::Rewind);
        EXPECT_EQ(calls.back().action, FakeWavePlayer::Action::Play);
    }
    EXPECT_EQ(fakes.wavePlayerFactory.players.size(), 9u);
    for (const auto &p : fakes.wavePlayerFactory.players)
        EXPECT_FALSE(p->released);
}

TEST_F(SoundsTest, WithTheSwitchOffNothingPlays)
{
    startWithAClient();
    click(form->Check2);
    ASSERT_FALSE(form->Check2->isChecked());
    forget();
    for (const Sounds::Sound s : Every)
        form->sounds.play(s);
    form->sounds.paneHover();
    click(form->categoryButton(3));
    hover(form->categoryButton(4));
    EXPECT_EQ(allPlays(), 0);
    for (const Sounds::Sound s : Every)
        EXPECT_EQ(form->sounds.played(s), 0);
}

TEST_F(SoundsTest, BeforeAModuleIsShownOnlyTheButtonSoundPlays)
{
    writeErrNoList();
    undated = LoadClass789Contents(tree.files());
    form = new Form1(tree.drives(), clock, fakes.services(), undated);
    frame = std::make_unique<MDIForm1>(form);
    ASSERT_EQ(form->module(), 0);
    forget();
    for (const Sounds::Sound s : Every)
        form->sounds.play(s);
    for (const Sounds::Sound s : Every)
        EXPECT_EQ(plays(s), s == Sounds::Button ? 1 : 0) << soundFileNames()[s].toStdString();
}

TEST_F(SoundsTest, ThePageSoundNeedsRowsInTheList)
{
    writeErrNoList();
    start();
    ASSERT_EQ(form->List1->topLevelItemCount(), 0);
    forget();
    form->sounds.PageSnd();
    enterKeywords(u"无此客户"_s); // a search without results
    EXPECT_EQ(plays(Sounds::Page), 0);

    startWithAClient();
    forget();
    form->sounds.PageSnd();
    EXPECT_EQ(plays(Sounds::Page), 1);
}

TEST_F(SoundsTest, TheButtonSoundPlaysOncePerVisitToTheButtons)
{
    startWithAClient();
    form->sounds.clearLatch();
    forget();
    hover(form->categoryButton(1));
    EXPECT_EQ(plays(Sounds::Button), 1);
    EXPECT_EQ(form->sounds.hoverLatch(), 1);
    hover(form->categoryButton(2)); // straight on to the next button
    hover(form->categoryButton(1));
    EXPECT_EQ(plays(Sounds::Button), 1);

    // The background clears the latch; the next button sounds again.
    form->sounds.clearLatch();
    hover(form->categoryButton(2));
    EXPECT_EQ(plays(Sounds::Button), 2);

    // The text pane asks again on every move.
    for (int move = 0; move < 3; ++move)
        form->sounds.paneHover();
    EXPECT_EQ(plays(Sounds::Button), 5);
    EXPECT_EQ(form->sounds.hoverLatch(), 1);

    // The bare background stops and rewinds the button sound's player only,
    // and leaves the latch as it is.
    const int rewinds = player(Sounds::Button).rewindCount();
    const int clickRewinds = player(Sounds::Click).rewindCount();
    form->sounds.closeButtonPlayer();
    EXPECT_EQ(player(Sounds::Button).rewindCount(), rewinds + 1);
    EXPECT_EQ(player(Sounds::Click).rewindCount(), clickRewinds);
    EXPECT_EQ(form->sounds.hoverLatch(), 1);
    hover(form->categoryButton(3));
    EXPECT_EQ(plays(Sounds::Button), 5);
}

TEST_F(SoundsTest, TheSwitchShowsItsStateAndTurningItOnPlaysThePageSound)
{
    const QColor buttonText(0, 0, 0);
    const QColor grey(0x80, 0x80, 0x80);
    for (const bool rows : {false, true}) {
        SCOPED_TRACE(rows);
        if (rows) {
            startWithAClient();
        } else {
            writeErrNoList();
            start();
        }
        EXPECT_EQ(form->Check2->text(), u"声效"_s);
        EXPECT_EQ(textColour(form->Check2), buttonText);
        click(form->Check2);
        EXPECT_EQ(textColour(form->Check2), grey);
        EXPECT_EQ(tree.readBytes(SwitchFile), "0\r\n");
        forget();
        click(form->Check2);
        EXPECT_EQ(tree.readBytes(SwitchFile), "1\r\n");
        EXPECT_EQ(textColour(form->Check2), buttonText);
        EXPECT_EQ(plays(Sounds::Page), rows ? 1 : 0);
        EXPECT_EQ(allPlays(), plays(Sounds::Page));
    }
}

TEST_F(SoundsTest, TheSwitchOutlastsARestart)
{
    writeErrNoList();
    start();
    EXPECT_FALSE(tree.files().exists(SwitchFile)) << "reading the switch does not write it";
    click(form->Check2);
    ASSERT_FALSE(form->Check2->isChecked());
    EXPECT_EQ(tree.readBytes(SwitchFile), "0\r\n");

    frame.reset();
    start();
    EXPECT_FALSE(form->Check2->isChecked());
    EXPECT_EQ(textColour(form->Check2), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(tree.readBytes(SwitchFile), "0\r\n") << "the start-up leaves the file as it is";

    // Set by the program (as the reminder mode does), it is stored as well.
    form->Check2->setChecked(true);
    EXPECT_EQ(tree.readBytes(SwitchFile), "1\r\n");
    frame.reset();
    start();
    EXPECT_TRUE(form->Check2->isChecked());
}

TEST_F(SoundsTest, AMissingWaveFileIsSilentAndNotLookedForAtEveryPlay)
{
    fakes.wavePlayerFactory.loadsSucceed = false;
    startWithAClient();
    const int loads = int(player(Sounds::Kill).loads().size());
    form->sounds.KillSnd();
    form->sounds.KillSnd();
    // Looking for it again reads folders; it waits a few seconds between looks.
    EXPECT_EQ(int(player(Sounds::Kill).loads().size()), loads);
    EXPECT_TRUE(fakes.messageBoxes.calls.empty());
}
