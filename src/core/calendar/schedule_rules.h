#pragma once

#include <QDate>
#include <QStringView>

#include <optional>

// The rules of the schedule browser and the reminder day that the main
// window's timer and keyword box follow.

// label14's captions in the client archive: schedule browsing (the picker
// free) and reminder mode (the picker locked on the reminder day).
inline constexpr QStringView ScheduleCaption = u"日  程  浏  览";
inline constexpr QStringView ReminderCaption = u"  提          醒";

// The reminder beep of a timer tick: in reminder mode (ReminderFlag 1),
// with clients listed, sounds on, the picker on today, in the client
// archive (module 1).
bool reminderBeepDue(int ReminderFlag, int listedRows, bool soundsOn, QDate picker, QDate today,
                     int module);

// The locked-day question on a change of the keyword box: in the client
// archive, with a keyword typed, while the reminder day is today.
bool lockedDayQuestionDue(int module, QStringView text1, int ReminderFlag, QDate picker,
                          QDate today);

// The blink of the help switch's caption: a state of 0 or 1 that each tick
// advances. step() returns the colour to give the caption (0 black, 0x80FF
// orange, as the system writes colours), or nothing when it stays as it is.
class HelpCaptionBlink
{
public:
    static constexpr unsigned Black = 0;
    static constexpr unsigned Orange = 0x80FF;

    std::optional<unsigned> step(bool helpOn)
    {
        if (m_state == 1) {
            m_state = 0;
            return Black;
        }
        if (!helpOn) {
            m_state = 1;
            return Orange;
        }
        return std::nullopt;
    }
    int state() const { return m_state; }

private:
    int m_state = 0;
};
