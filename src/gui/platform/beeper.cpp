#include "gui/platform/beeper.h"

Beeper::~Beeper() = default;
