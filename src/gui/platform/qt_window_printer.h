#pragma once

#include "gui/platform/window_printer.h"

class QPrinter;
class QPrinterInfo;

// Prints on the system's default printer through Qt Print Support; never opens the
// print dialog.
class QtWindowPrinter final : public WindowPrinter
{
public:
    bool printImage(QWidget *window) override;

    // Prints on the printer described by printer; false for a null QPrinterInfo.
    static bool printImageOn(QWidget *window, const QPrinterInfo &printer);

    // Paints the window's picture on one page of a printer that is already set up
    // (a real printer or a PDF file): at the top of the printable area, centred across it,
    // scaled to fit and keeping its proportions.
    static bool printImageTo(QWidget *window, QPrinter &printer);
};
