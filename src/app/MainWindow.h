#pragma once

#include "runtime/ui/WindowDescription.h"

namespace tallowmere::app {

// The window as designed, bound to the option values in LOC_Options.
runtime::WindowDescription MainWindowDescription();

// The converter's window: the five options, the two file names, "Process" and "Close".
// Returns when the window closes; its response is left in GlobalResponse.
void Main();

}  // namespace tallowmere::app
