#include "gui/platform/qt_beeper.h"

#include <QApplication>

void QtBeeper::beep()
{
    QApplication::beep();
}
