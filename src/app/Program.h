#pragma once

#include <functional>

namespace tallowmere::app {

// The program's life around its window: the global objects, the settings file, the file
// managers and the emptied line table come up in order, body runs (the main window, or a
// batch conversion), and everything goes down again in order. A fatal message or a halt
// inside body ends the process at once instead, without these closing steps.
void RunProgram(const std::function<void()>& body);

}  // namespace tallowmere::app
