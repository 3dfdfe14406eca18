#pragma once

#include "gui/platform/clipboard.h"

// The application's QClipboard (its "clipboard" mode, not the selection).
class QtClipboard final : public Clipboard
{
public:
    QString text() const override;
    void setText(const QString &text) override;
};
