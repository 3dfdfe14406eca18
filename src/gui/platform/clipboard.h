#pragma once

#include <QString>

// The system clipboard, as plain text.
class Clipboard
{
public:
    virtual ~Clipboard();

    // The clipboard's text; empty when it holds no text.
    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;
};
