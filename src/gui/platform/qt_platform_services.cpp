#include "gui/platform/qt_platform_services.h"

void QtPlatformServices::setDialogParent(QWidget *parent)
{
    m_messageBoxes.setParentWidget(parent);
    m_fileDialogs.setParentWidget(parent);
}

PlatformServices QtPlatformServices::services()
{
    return {
        .messageBoxes = m_messageBoxes,
        .fileDialogs = m_fileDialogs,
        .shellOpen = m_shellOpen,
        .wavePlayerFactory = m_wavePlayerFactory,
        .clipboard = m_clipboard,
        .windowPrinter = m_windowPrinter,
        .beeper = m_beeper,
    };
}
