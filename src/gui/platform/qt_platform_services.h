#pragma once

#include "gui/platform/platform_services.h"
#include "gui/platform/qt_beeper.h"
#include "gui/platform/qt_clipboard.h"
#include "gui/platform/qt_file_dialogs.h"
#include "gui/platform/qt_message_boxes.h"
#include "gui/platform/qt_shell_open.h"
#include "gui/platform/qt_wave_player.h"
#include "gui/platform/qt_window_printer.h"

// The program's services: the Qt implementation of each, owned here.
class QtPlatformServices
{
public:
    QtPlatformServices() = default;
    QtPlatformServices(const QtPlatformServices &) = delete;
    QtPlatformServices &operator=(const QtPlatformServices &) = delete;

    // The window message boxes and file dialogs belong to; may be null.
    void setDialogParent(QWidget *parent);

    // Valid for as long as this object lives.
    PlatformServices services();

private:
    QtMessageBoxes m_messageBoxes;
    QtFileDialogs m_fileDialogs;
    QtShellOpen m_shellOpen;
    QtWavePlayerFactory m_wavePlayerFactory;
    QtClipboard m_clipboard;
    QtWindowPrinter m_windowPrinter;
    QtBeeper m_beeper;
};
