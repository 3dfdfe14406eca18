#pragma once

#include "gui/platform/beeper.h"
#include "gui/platform/clipboard.h"
#include "gui/platform/file_dialogs.h"
#include "gui/platform/message_boxes.h"
#include "gui/platform/shell_open.h"
#include "gui/platform/wave_player.h"
#include "gui/platform/window_printer.h"

// The desktop services the window code uses, one of each. It refers to them and owns
// none: whoever builds it (QtPlatformServices in the program, the fakes in tests) keeps
// them alive for as long as the window code runs.
struct PlatformServices {
    MessageBoxes &messageBoxes;
    FileDialogs &fileDialogs;
    ShellOpen &shellOpen;
    WavePlayerFactory &wavePlayerFactory;
    Clipboard &clipboard;
    WindowPrinter &windowPrinter;
    Beeper &beeper;
};
