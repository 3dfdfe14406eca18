#include "core/foundation/clock.h"

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}
