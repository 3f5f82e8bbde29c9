#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "runtime/ui/FileChoice.h"

namespace tallowmere::platform {

// Asks the user through the system's own Open or Save dialog, modal over owner, in a thread
// that is in COM's single-threaded apartment. Returns the UTF-8 paths chosen; none when the
// user cancelled or the dialog could not be shown.
std::vector<std::string> showFileDialog(HWND owner, const runtime::FileChoice& choice);

}  // namespace tallowmere::platform
