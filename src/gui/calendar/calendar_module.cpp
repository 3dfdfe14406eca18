#include "gui/calendar/calendar_module.h"

#include "core/foundation/clock.h"
#include "gui/clients/client_module.h"
#include "gui/lawdb/law_module.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/record_list.h"
#include "gui/mainwindow/twips.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

using namespace Qt::StringLiterals;

CalendarModule::CalendarModule(Form1 &form)
    : f(form)
{}

void CalendarModule::showLine(const CalendarLine &line)
{
    m_line = line;
    f.Label37->setText(line.caption);
    setTextColour(f.Label37, colourFromBgr(line.colour));
}

void CalendarModule::CalendarShow(const QString &date)
{
    // The caption as the window holds it (Clearance empties it).
    CalendarLine shown = m_line;
    shown.caption = f.Label37->text();
    showLine(::CalendarShow(f.files(), f.state.CalendarFile, date, f.clock().today(), shown));
}

void CalendarModule::showToday()
{
    CalendarShow(calendarKey(f.clock().today()));
    CalendarLine line = m_line;
    line.caption = markedToday(line.caption);
    showLine(line);
}

void CalendarModule::ShowCDT()
{
    // 1.
    const QString day = calendarKey(f.DTPicker1->date());
    // 2. Under the drop-down calendar.
    f.Text7->setText(f.Label37->text());
    try {
        Twips::setLeft(f.Text7, Twips::left(f.DTPicker1) + 60);
        Twips::setTop(f.Text7, Twips::top(f.DTPicker1) + 2810);
        // The desktop draws the drop-down calendar in its own size: the box
        // goes below it when it reaches further down.
        const QWidget *popup = f.DTPicker1->calendarWidget()->window();
        if (popup->isVisible()) {
            const int below = f.mapFromGlobal(popup->frameGeometry().bottomLeft()).y() + 2;
            if (below > f.Text7->y())
                Twips::setTop(f.Text7, Twips::fromPixels(below));
        }
    } catch (const Twips::SizeError &) {
    }
    f.Text7->show();
    f.Text7->raise();
    // 3.
    f.Text1->clear();
    m_pickerOpen = true;
    // 4.
    f.recordList().clearRows();
    f.clients().FindClients(u"DTBound"_s);
    if (f.recordList().rowCount() > 0)
        f.sounds.pageSound();
    else
        f.sounds.clickSound();
    // 5.
    CalendarShow(day);
    f.Text7->setText(f.Label37->text());
    QPalette colours = f.Text7->palette();
    colours.setColor(QPalette::Text, colourFromBgr(m_line.colour));
    f.Text7->setPalette(colours);
}

void CalendarModule::pickerChanged()
{
    f.Text2->clear();
    ShowCDT();
}

void CalendarModule::dropDown()
{
    ShowCDT();
}

void CalendarModule::closeUp()
{
    f.Text7->hide();
    f.Label37->show();
    f.Text1->setFocus();
    setTextColour(f.Label30, colourFromBgr(0x808080));
    f.state.ClientDateFilter.clear();
    m_pickerOpen = false;
    if (!f.Text2->text().isEmpty()) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, u"\r"_s);
        f.law().Text2KeyPress(&enter);
    }
}

void CalendarModule::pickerLostFocus()
{
    f.state.ClientDateFilter.clear();
    // A day typed or stepped in the picker's own box shows its line in Text7;
    // once the user has moved on, the box goes (the drop-down hides it itself).
    if (!m_pickerOpen)
        f.Text7->hide();
}

void CalendarModule::modeSwitch()
{
    // 1.
    f.recordList().clearRows();
    const QString caption = f.label14->caption();
    if (caption == ScheduleCaption) {
        // 2.
        f.label14->setCaption(ReminderCaption.toString());
        f.state.ReminderFlag = 1;
        f.Check2->setChecked(true);
        f.clients().FindClients(u"DtBound"_s);
        if (f.recordList().rowCount() > 0)
            f.sounds.pageSound();
        else
            f.sounds.clickSound();
        f.DTPicker1->setEnabled(false);
    } else if (caption == ReminderCaption) {
        // 3.
        f.label14->setCaption(ScheduleCaption.toString());
        f.state.ReminderFlag = 0;
        f.DTPicker1->setEnabled(true);
        f.clients().FindClients(QString());
    }
    // 4. The mode is kept at once; a record that cannot be written is told,
    //    so that the user knows the reminder day will not outlast the run.
    if (const FileResult written = f.clients().writeRemindFile(); !written)
        f.services().messageBoxes.critical(written.message(), u"错误"_s);
    // 5.
    if (f.recordList().rowCount() == 0)
        f.sounds.clickSound();
    else
        f.sounds.pageSound();
}

void CalendarModule::lockedDayQuestion()
{
    if (!lockedDayQuestionDue(f.module(), f.Text1->text(), f.state.ReminderFlag,
                              f.DTPicker1->date(), f.clock().today()))
        return;
    const MessageAnswer answer =
        f.services().messageBoxes.question(u"今天被锁定!  要检索吗？"_s, u"[日程设置]选择"_s);
    if (answer == MessageAnswer::Yes)
        modeSwitch();
    else
        f.Text1->clear();
}

void CalendarModule::Timer1Timer()
{
    // 1.
    if (calendarRefreshDue(f.clock().now().time(), f.state.ReminderFlag))
        showToday();
    // 2.
    if (reminderBeepDue(f.state.ReminderFlag, f.recordList().rowCount(), f.Check2->isChecked(),
                        f.DTPicker1->date(), f.clock().today(), f.module()))
        f.services().beeper.beep();
    // 3.
    if (const std::optional<unsigned> colour = m_blink.step(f.Check3->isChecked()))
        setTextColour(f.Check3, colourFromBgr(*colour));
}

void CalendarModule::filterEvent(QObject *watched, QEvent *event)
{
    if (watched == f.Text1 || watched == f.Text2) {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
            placeLine();
    } else if (watched == f.DTPicker1) {
        if (event->type() == QEvent::FocusOut)
            pickerLostFocus();
    } else if (QCalendarWidget *calendar = f.DTPicker1->calendarWidget();
               calendar && watched == calendar->window()) {
        if (event->type() == QEvent::Show)
            dropDown();
        else if (event->type() == QEvent::Hide)
            closeUp();
    }
}

void CalendarModule::placeLine()
{
    using namespace Twips;
    // A little space after the note before it; room for the full-text
    // switch at the keyword box's right end (law module); enough room for
    // the longest line, two festivals and a term.
    constexpr int Gap = 90;
    constexpr int SwitchRoom = 1300;
    constexpr int LineRoom = 5000;
    try {
        const int top = Twips::top(f.Text1) + height(f.Text1);
        const int underKeywords = width(f.Text1) - Gap - SwitchRoom;
        if (underKeywords >= LineRoom || !f.Label19->isVisibleTo(&f)) {
            setGeometry(f.Label37, left(f.Text1) + Gap, top, std::max(0, underKeywords), 240);
        } else {
            // The reading layout narrows the keyword box: the line moves on
            // beside the note under the word box.
            const int from = left(f.Label19) + width(f.Label19) + Gap;
            setGeometry(f.Label37, from, top, std::max(0, left(f.Text2) + width(f.Text2) - from),
                        240);
        }
    } catch (const SizeError &) {
    }
}
