#pragma once

#include <string>
#include <vector>

#include "runtime/ui/FrontEnd.h"

namespace tallowmere::platform {

// What the user can do, spelt the way a script reads, for every front end that reports it.
// keyCode is the runtime::Key code behind the input, 0 for a script.
runtime::Input press(int control, int keyCode = 0);
runtime::Input focusOn(int control, int keyCode = 0);
runtime::Input closeWindow(int keyCode = 0);
runtime::Input inputEnded();
// Files dropped on the window or pasted into it, by their UTF-8 paths.
runtime::Input filesGiven(std::vector<std::string> files);
runtime::Input resizeTo(int width, int height);
runtime::Input moveTo(runtime::Point position);

}  // namespace tallowmere::platform
