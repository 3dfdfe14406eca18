#include "gui/platform/file_dialogs.h"

FileDialogs::~FileDialogs() = default;
