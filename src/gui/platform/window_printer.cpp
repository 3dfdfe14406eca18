#include "gui/platform/window_printer.h"

WindowPrinter::~WindowPrinter() = default;
