#pragma once

#include <string>
#include <vector>

#include "runtime/ui/WindowDescription.h"

namespace tallowmere::app {

// The window as designed, bound to the option values in LOC_Options.
runtime::WindowDescription MainWindowDescription();

// The converter's window: the five options, the two files with a Browse button each,
// "Process", "Close", and after Process a line saying what it did; at first on Import.txa
// and Export.txa in the working folder. Returns when the window closes; its response is
// left in GlobalResponse.
void Main();
// The same, on the imports the program was started with (files dropped on its icon, or
// opened with it).
void MainWithImports(std::vector<std::string> imports);

}  // namespace tallowmere::app
