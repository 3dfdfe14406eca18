#include "gui/mainwindow/form1.h"

#include "gui/mainwindow/twips.h"

using namespace Qt::StringLiterals;

Form1::Form1(const DriveMap &drives, const Clock &clock, PlatformServices services, QWidget *parent)
    : QWidget(parent)
    , m_drives(drives)
    , m_clock(clock)
    , m_services(std::move(services))
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Veridane"_s);
    setMinimumSize(Twips::size(9000, 6000));
}
