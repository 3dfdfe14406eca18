#pragma once

#include "core/foundation/drive_map.h"
#include "gui/platform/platform_services.h"

#include <QWidget>

class Clock;

// The main window: owns the elements, the shared main-window state and the
// routing of events to the module classes.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    Form1(const DriveMap &drives, const Clock &clock, PlatformServices services,
          QWidget *parent = nullptr);

    const DriveMap &drives() const { return m_drives; }
    const Clock &clock() const { return m_clock; }
    const PlatformServices &services() const { return m_services; }

private:
    const DriveMap &m_drives;
    const Clock &m_clock;
    PlatformServices m_services;
};
