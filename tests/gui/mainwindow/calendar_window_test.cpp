#include "window_fixture.h"

#include "core/calendar/schedule_rules.h"
#include "gui/calendar/calendar_module.h"
#include "gui/mainwindow/layouts.h"
#include "gui/mainwindow/record_list.h"

#include <QCalendarWidget>
#include <QTimer>

namespace {

const QString Register = u"c:\\program files\\quorix\\clients\\clients.txt"_s;
const QString Remind = u"c:\\program files\\quorix\\clients\\remind.txt"_s;

const QColor Green(0, 128, 0);
const QColor Orange(255, 128, 0);
const QColor DarkRed(192, 64, 0);

Record client(const QString &name, const QString &rest)
{
    return {name, u"2026-11-01 09:00:00"_s, u"企业"_s, name + u"\r\n"_s + rest};
}

// Days of December 2026 as the calendar table gives them.
const QList<Record> December = {
    {u"2026-12-7"_s, u""_s, u"十月"_s, u"廿九"_s, u""_s, u"大雪"_s},
    {u"2026-12-10"_s, u""_s, u"冬月"_s, u"初二"_s, u""_s, u""_s},
    {u"2026-12-11"_s, u""_s, u"冬月"_s, u"初三"_s, u""_s, u""_s},
    {u"2026-12-22"_s, u""_s, u"冬月"_s, u"十四"_s, u""_s, u"冬至"_s},
    {u"2026-12-25"_s, u""_s, u"冬月"_s, u"十七"_s, u""_s, u""_s},
};

} // namespace

class CalendarWindowTest : public WindowTest
{
protected:
    // The calendar of December 2026, the clients, then the start-up; the
    // timer is left to the test, tick by tick.
    void startWith(const QList<Record> &clients)
    {
        writeErrNoList();
        tree.writeRecords(InstallTree::install(u"calendar.txt"_s), December);
        if (!clients.isEmpty())
            tree.writeRecords(Register, clients);
        start();
        form->Timer1->stop();
        fakes.messageBoxes.calls.clear();
        form->sounds.resetCounts();
    }
    // The program started again on the same install tree.
    void restart()
    {
        frame.reset();
        form = nullptr;
        start();
        form->Timer1->stop();
    }
    QString line() const { return form->Label37->text(); }
    QColor lineColour() const { return textColour(form->Label37); }
    // The user picks a day in the picker.
    void pick(QDate day) const { form->DTPicker1->setDate(day); }
    QWidget *dropDown() const { return form->DTPicker1->calendarWidget()->window(); }
    void tick() const { form->calendar().Timer1Timer(); }
    Record remindRecord() const
    {
        auto reader = tree.files().openForReading(Remind);
        if (!reader)
            return {};
        return reader->readRecord().value_or(Record());
    }
    const QList<Record> clients = {client(u"甲公司"_s, u"合同纠纷 2026-12-22 开庭"_s),
                                   client(u"乙公司"_s, u"合同审查 2026-12-10 签约"_s),
                                   client(u"丙公司"_s, u"合同咨询"_s)};
};

TEST_F(CalendarWindowTest, StartShowsTodayMarkedAndAClickShowsItAgain)
{
    startWith(clients);
    EXPECT_TRUE(form->Label37->isVisible());
    EXPECT_EQ(line(), u"今天2026-12-10 星期四 农历冬月-初二"_s);
    EXPECT_EQ(lineColour(), DarkRed);

    pick(QDate(2026, 12, 7));
    EXPECT_EQ(line(), u"公元2026-12-7 星期一 农历十月-廿九(大雪)"_s);
    EXPECT_EQ(lineColour(), Orange);
    click(form->Label37);
    EXPECT_EQ(line(), u"今天2026-12-10 星期四 农历冬月-初二"_s);
    EXPECT_EQ(lineColour(), DarkRed);
}

TEST_F(CalendarWindowTest, RefreshAtTheTenMinuteMarksMovesTheLineToTheNewDay)
{
    startWith(clients);
    pick(QDate(2026, 12, 25));
    ASSERT_EQ(line(), u"公元2026-12-25 星期五 农历冬月-十七"_s);
    ASSERT_EQ(lineColour(), Green);
    // Past midnight: nothing until a second 0, 10 ... of a minute 0, 10 ...
    const QDate next(2026, 12, 11);
    for (const QTime time : {QTime(0, 1, 0), QTime(0, 10, 5), QTime(0, 9, 50)}) {
        clock.set(QDateTime(next, time));
        tick();
        EXPECT_EQ(line(), u"公元2026-12-25 星期五 农历冬月-十七"_s)
            << time.toString().toStdString();
    }
    clock.set(QDateTime(next, QTime(0, 10, 0)));
    tick();
    EXPECT_EQ(line(), u"今天2026-12-11 星期五 农历冬月-初三"_s);
    EXPECT_EQ(lineColour(), DarkRed);

    // A locked reminder day holds the line.
    pick(QDate(2026, 12, 22));
    click(form->label14);
    ASSERT_EQ(form->state.ReminderFlag, 1);
    clock.set(QDateTime(next, QTime(0, 20, 0)));
    tick();
    EXPECT_TRUE(line().startsWith(u"公元2026-12-22"_s));
}

TEST_F(CalendarWindowTest, PickingADayListsItsClientsAndShowsItsLineInThePopUpBox)
{
    startWith(clients);
    form->Text1->setText(u"合同"_s);
    form->Text2->setText(u"开庭"_s);
    pick(QDate(2026, 12, 22));
    EXPECT_EQ(listRows(), (QStringList{u"甲公司"_s}));
    EXPECT_GE(form->sounds.played(Sounds::Page), 1);
    EXPECT_EQ(form->sounds.played(Sounds::Click), 0);
    EXPECT_TRUE(form->Text1->text().isEmpty());
    EXPECT_TRUE(form->Text2->text().isEmpty());
    EXPECT_TRUE(form->Text7->isVisible());
    EXPECT_TRUE(form->Text7->isReadOnly());
    EXPECT_EQ(form->Text7->text(), u"公元2026-12-22 星期二 农历冬月-十四(冬至)"_s);
    EXPECT_EQ(form->Text7->palette().color(QPalette::Text), Orange);
    EXPECT_EQ(Twips::left(form->Text7), Twips::left(form->DTPicker1) + 60);
    EXPECT_GE(Twips::top(form->Text7), Twips::top(form->DTPicker1) + 2810);
    EXPECT_TRUE(form->calendar().pickerOpen());

    // A day without clients: an empty list and the click sound.
    form->sounds.resetCounts();
    pick(QDate(2026, 12, 25));
    EXPECT_TRUE(listRows().isEmpty());
    EXPECT_EQ(form->sounds.played(Sounds::Click), 1);
    EXPECT_EQ(form->sounds.played(Sounds::Page), 0);
    EXPECT_EQ(form->Text7->text(), u"公元2026-12-25 星期五 农历冬月-十七"_s);
    EXPECT_EQ(form->Text7->palette().color(QPalette::Text), Green);
    EXPECT_EQ(form->RelevantRecords->caption(), u"0"_s);
}

TEST_F(CalendarWindowTest, ClosingTheDropDownRepeatsTheWordSearch)
{
    startWith(clients);
    clickRow(0);
    ASSERT_TRUE(form->paneText().startsWith(u"甲公司"_s));
    form->Text2->setText(u"开庭"_s);
    form->state.ClientDateFilter = u"x"_s;

    dropDown()->show();
    EXPECT_TRUE(form->Text7->isVisible());
    EXPECT_EQ(listRows(), (QStringList{u"乙公司"_s})); // the picker is on today
    dropDown()->hide();
    EXPECT_FALSE(form->Text7->isVisible());
    EXPECT_TRUE(form->Label37->isVisible());
    EXPECT_FALSE(form->calendar().pickerOpen());
    EXPECT_TRUE(form->state.ClientDateFilter.isEmpty());
    EXPECT_EQ(textColour(form->Label30), QColor(128, 128, 128));
    EXPECT_EQ(form->Label36->text(), u"查出 1 个相同的字(词)"_s);
}

TEST_F(CalendarWindowTest, ReminderModeIsWrittenAndRestoredAcrossARestart)
{
    startWith(clients);
    form->Check2->setChecked(false);
    pick(QDate(2026, 12, 22));
    click(form->label14);
    EXPECT_EQ(form->label14->caption(), ReminderCaption);
    EXPECT_EQ(form->state.ReminderFlag, 1);
    EXPECT_TRUE(form->Check2->isChecked());
    EXPECT_FALSE(form->DTPicker1->isEnabled());
    EXPECT_EQ(listRows(), (QStringList{u"甲公司"_s}));
    EXPECT_EQ(remindRecord(), (Record{qint64(1), u"2026-12-22"_s}));

    // Started again before the day: the day stays locked, nothing is filtered.
    restart();
    EXPECT_EQ(form->label14->caption(), ReminderCaption);
    EXPECT_EQ(form->DTPicker1->date(), QDate(2026, 12, 22));
    EXPECT_FALSE(form->DTPicker1->isEnabled());
    EXPECT_EQ(listRows().size(), 3);
    // On the day itself the archive opens on that day's clients.
    clock.set(QDateTime(QDate(2026, 12, 22), QTime(8, 0)));
    restart();
    EXPECT_EQ(listRows(), (QStringList{u"甲公司"_s}));

    // Back to schedule browsing: the picker free, every client listed.
    click(form->label14);
    EXPECT_EQ(form->label14->caption(), ScheduleCaption);
    EXPECT_EQ(form->state.ReminderFlag, 0);
    EXPECT_TRUE(form->DTPicker1->isEnabled());
    EXPECT_EQ(listRows().size(), 3);
    EXPECT_EQ(remindRecord(), (Record{qint64(0), u"2026-12-22"_s}));
}

TEST_F(CalendarWindowTest, TheReminderDayIsReadInEitherForm)
{
    for (const QString &day : {u"2027-1-5"_s, u"2027/1/5"_s, u"2027-01-05"_s}) {
        tree.writeRecords(Remind, {{u"1"_s, day}});
        if (form)
            restart();
        else
            startWith(clients);
        EXPECT_EQ(form->DTPicker1->date(), QDate(2027, 1, 5)) << day.toStdString();
        EXPECT_FALSE(form->DTPicker1->isEnabled());
    }
}

TEST_F(CalendarWindowTest, ALockedTodayAsksBeforeAKeywordSearch)
{
    tree.writeRecords(Remind, {{qint64(1), u"2026-12-10"_s}});
    startWith(clients);
    ASSERT_EQ(listRows(), (QStringList{u"乙公司"_s}));

    fakes.messageBoxes.answers.push_back(MessageAnswer::No);
    form->Text1->setFocus();
    type(form->Text1, u"合"_s);
    ASSERT_EQ(fakes.messageBoxes.calls.size(), 1u);
    const MessageRequest &asked = fakes.messageBoxes.calls[0];
    EXPECT_EQ(asked.text, u"今天被锁定!  要检索吗？"_s);
    EXPECT_EQ(asked.title, u"[日程设置]选择"_s);
    EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
    // No: the box is emptied, the day stays locked.
    EXPECT_TRUE(form->Text1->text().isEmpty());
    EXPECT_EQ(form->state.ReminderFlag, 1);
    EXPECT_EQ(fakes.messageBoxes.calls.size(), 1u);

    // Yes: schedule browsing, and the list without the date.
    fakes.messageBoxes.answers.push_back(MessageAnswer::Yes);
    type(form->Text1, u"合"_s);
    EXPECT_EQ(fakes.messageBoxes.calls.size(), 2u);
    EXPECT_EQ(form->Text1->text(), u"合"_s);
    EXPECT_EQ(form->state.ReminderFlag, 0);
    EXPECT_EQ(form->label14->caption(), ScheduleCaption);
    EXPECT_EQ(listRows().size(), 3);
    EXPECT_EQ(remindRecord().value(0), RecordValue(qint64(0)));
}

TEST_F(CalendarWindowTest, TheLockedDayBeepsWhileItsClientsAreListed)
{
    tree.writeRecords(Remind, {{qint64(1), u"2026-12-10"_s}});
    startWith(clients);
    const int before = fakes.beeper.beeps;
    tick();
    tick();
    EXPECT_EQ(fakes.beeper.beeps, before + 2);
    // Sounds off: silence; on again: the beep is back.
    form->Check2->setChecked(false);
    tick();
    EXPECT_EQ(fakes.beeper.beeps, before + 2);
    form->Check2->setChecked(true);
    tick();
    EXPECT_EQ(fakes.beeper.beeps, before + 3);
    // Another module: silence.
    nextModule();
    ASSERT_EQ(form->module(), 2);
    tick();
    EXPECT_EQ(fakes.beeper.beeps, before + 3);
}

TEST_F(CalendarWindowTest, NoBeepWithoutClientsOrOnAnotherDay)
{
    // Locked on a day still to come.
    tree.writeRecords(Remind, {{qint64(1), u"2026-12-22"_s}});
    startWith(clients);
    const int before = fakes.beeper.beeps;
    tick();
    EXPECT_EQ(fakes.beeper.beeps, before);
    // Its day, but nobody listed for it.
    tree.writeRecords(Register, {client(u"丙公司"_s, u"合同咨询"_s)});
    clock.set(QDateTime(QDate(2026, 12, 22), QTime(9, 0)));
    restart();
    ASSERT_TRUE(listRows().isEmpty());
    const int now = fakes.beeper.beeps;
    tick();
    EXPECT_EQ(fakes.beeper.beeps, now);
}

TEST_F(CalendarWindowTest, TheHelpCaptionBlinksWhileHelpIsOff)
{
    startWith({});
    ASSERT_EQ(form->Check3->text(), u"帮助"_s);
    ASSERT_FALSE(form->Check3->isChecked());
    const QColor black(0, 0, 0);
    for (const QColor &expected : {Orange, black, Orange}) {
        tick();
        EXPECT_EQ(textColour(form->Check3), expected);
    }
    form->Check3->setChecked(true);
    tick();
    tick();
    EXPECT_EQ(textColour(form->Check3), black);
}

TEST_F(CalendarWindowTest, AReminderRecordThatCannotBeWrittenIsTold)
{
    // A folder in the way of the record.
    ASSERT_TRUE(tree.files().makeDirectory(Remind));
    startWith(clients);
    click(form->label14);
    EXPECT_EQ(form->state.ReminderFlag, 1);
    ASSERT_EQ(fakes.messageBoxes.calls.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.calls[0].title, u"错误"_s);
    EXPECT_EQ(fakes.messageBoxes.calls[0].icon, MessageIcon::Critical);
}

TEST_F(CalendarWindowTest, TheTimerTicksFromTheStart)
{
    writeErrNoList();
    start();
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(form->Timer1->interval(), 990);
    form->Timer1->stop();
}

TEST_F(CalendarWindowTest, TheLineKeepsClearOfTheKeywordRowInBothLayouts)
{
    startWith(clients);
    for (const bool reading : {false, true, false}) {
        if (reading)
            form->layouts().Richtextbox1SetFocus();
        else
            form->layouts().List1SetFocus();
        const QRect line = form->Label37->geometry();
        EXPECT_GE(Twips::width(form->Label37), 5000) << reading;
        for (const QWidget *other : std::initializer_list<const QWidget *>{
                 form->Label18, form->Label19, form->Text1, form->Text2, form->List1})
            EXPECT_FALSE(line.intersects(other->geometry()))
                << reading << " " << other->objectName().toStdString();
    }
}
