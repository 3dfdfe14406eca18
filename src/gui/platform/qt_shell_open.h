#pragma once

#include "gui/platform/shell_open.h"

// Opens targets with QDesktopServices, that is the desktop's default handler
// (xdg-open). The desktop decides the size of the window it opens, so maximised
// is a wish this implementation cannot pass on.
class QtShellOpen final : public ShellOpen
{
public:
    void open(const QString &target, bool maximised) override;
};
