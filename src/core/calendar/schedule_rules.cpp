#include "core/calendar/schedule_rules.h"

bool reminderBeepDue(int ReminderFlag, int listedRows, bool soundsOn, QDate picker, QDate today,
                     int module)
{
    return ReminderFlag == 1 && listedRows >= 1 && soundsOn && picker == today && module == 1;
}

bool lockedDayQuestionDue(int module, QStringView text1, int ReminderFlag, QDate picker,
                          QDate today)
{
    return module == 1 && !text1.isEmpty() && ReminderFlag == 1 && picker == today;
}
