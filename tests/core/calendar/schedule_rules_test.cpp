#include "core/calendar/schedule_rules.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QDate Today(2026, 12, 10);
const QDate Other(2026, 12, 11);
} // namespace

TEST(ScheduleRules, ReminderBeepOnlyOnTheLockedDayWithClientsAndSound)
{
    const struct {
        int flag, rows;
        bool sounds;
        QDate picker;
        int module;
        bool beep;
    } cases[] = {
        {1, 1, true, Today, 1, true},  {0, 1, true, Today, 1, false},
        {1, 0, true, Today, 1, false}, {1, 1, false, Today, 1, false},
        {1, 1, true, Other, 1, false}, {1, 1, true, Today, 2, false},
        {1, 35, true, Today, 1, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(reminderBeepDue(c.flag, c.rows, c.sounds, c.picker, Today, c.module), c.beep)
            << c.flag << c.rows << c.sounds << c.module;
}

TEST(ScheduleRules, LockedDayQuestionWhileTodayIsLocked)
{
    EXPECT_TRUE(lockedDayQuestionDue(1, u"合同", 1, Today, Today));
    EXPECT_FALSE(lockedDayQuestionDue(1, u"", 1, Today, Today));
    EXPECT_FALSE(lockedDayQuestionDue(2, u"合同", 1, Today, Today));
    EXPECT_FALSE(lockedDayQuestionDue(1, u"合同", 0, Today, Today));
    EXPECT_FALSE(lockedDayQuestionDue(1, u"合同", 1, Other, Today));
}

TEST(ScheduleRules, HelpCaptionBlinksWhileHelpIsOff)
{
    HelpCaptionBlink blink;
    // Off: orange and black in turn.
    EXPECT_EQ(blink.step(false), HelpCaptionBlink::Orange);
    EXPECT_EQ(blink.step(false), HelpCaptionBlink::Black);
    EXPECT_EQ(blink.step(false), HelpCaptionBlink::Orange);
    // Switched on while orange: black once, then it stays as it is.
    EXPECT_EQ(blink.step(true), HelpCaptionBlink::Black);
    EXPECT_EQ(blink.step(true), std::nullopt);
    EXPECT_EQ(blink.step(true), std::nullopt);
    EXPECT_EQ(blink.state(), 0);
}
