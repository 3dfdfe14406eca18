#include "gui/platform/clipboard.h"

Clipboard::~Clipboard() = default;
