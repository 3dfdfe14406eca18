#pragma once

#include "core/foundation/file_result.h"

class DriveMap;

// Writes the folders of an install tree on the system drive of `drives`:
// the install folder with its module folders and the law content folder.
// Existing files are kept.
FileResult writeDemoTree(const DriveMap &drives);
