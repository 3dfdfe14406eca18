#pragma once

#include "gui/platform/beeper.h"

// QApplication::beep(): the window system's bell.
class QtBeeper final : public Beeper
{
public:
    void beep() override;
};
