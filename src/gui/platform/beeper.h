#pragma once

// The system beep.
class Beeper
{
public:
    virtual ~Beeper();

    virtual void beep() = 0;
};
