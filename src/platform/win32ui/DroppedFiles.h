#pragma once

#include <windows.h>
// Needs the types <windows.h> declares.
#include <shellapi.h>

#include <string>
#include <vector>

namespace tallowmere::platform {

// The UTF-8 paths of the files a drop (WM_DROPFILES) brought, in their order; the drop is
// finished with, and its memory freed, on the way.
std::vector<std::string> takeDroppedFiles(HDROP drop);

}  // namespace tallowmere::platform
