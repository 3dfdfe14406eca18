#pragma once

#include "core/calendar/calendar_line.h"
#include "core/calendar/schedule_rules.h"

#include <QString>

class Form1;
class QEvent;
class QObject;

// The calendar line Label37, the schedule browser on the date picker
// DTPicker1 with its pop-up box Text7, the reminder mode switched on
// label14 and the main window's timer Timer1.
class CalendarModule
{
public:
    explicit CalendarModule(Form1 &form);

    // Shows the day of a calendar key in Label37, in the colour of its kind.
    void CalendarShow(const QString &date);
    // The line of today with the today mark (a click on Label37 and the
    // periodic refresh).
    void showToday();

    // Lists the clients of the picker's day and shows its line in Text7.
    void ShowCDT();
    // The picker's events: its date changed by the user, its drop-down
    // calendar opened and closed, the focus lost.
    void pickerChanged();
    void dropDown();
    void closeUp();
    void pickerLostFocus();
    bool pickerOpen() const { return m_pickerOpen; }

    // label14 in the client archive: schedule browsing <-> reminder mode.
    void modeSwitch();
    // A change of Text1 while the reminder day is today.
    void lockedDayQuestion();

    // One tick of Timer1.
    void Timer1Timer();

    // The events of the elements it watches: the picker losing the focus,
    // its drop-down calendar shown and hidden, the keyword boxes moved.
    void filterEvent(QObject *watched, QEvent *event);
    // Label37 on the keyword row's second line: under the keyword box, or,
    // while the reading layout narrows that, beside the word box's note.
    void placeLine();

private:
    void showLine(const CalendarLine &line);

    Form1 &f;
    CalendarLine m_line;
    HelpCaptionBlink m_blink;
    bool m_pickerOpen = false;
};
