#pragma once

class QWidget;

// Prints a picture of a window.
class WindowPrinter
{
public:
    virtual ~WindowPrinter();

    // Prints what window shows, scaled to fit one page, without asking anything.
    // Returns false when nothing could be printed (no printer, no window, the printer
    // refused); the caller decides whether the user hears of it.
    virtual bool printImage(QWidget *window) = 0;
};
