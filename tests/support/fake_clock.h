#pragma once

#include "core/foundation/clock.h"

// Tests fix "today" with a clock that stands still.
using FakeClock = FixedClock;
