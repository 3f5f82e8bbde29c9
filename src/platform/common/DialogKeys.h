#pragma once

#include <optional>

#include "runtime/ui/FrontEnd.h"

namespace tallowmere::platform {

// What a key (a runtime::Key code) does in a window of a front end that reads the keys itself
// (the terminal, and the scripted one of the tests):
//   Tab, Down, Right  the focus to the next check box or button; Shift-Tab, Up, Left back
//   Space             toggles the focused check box or presses the focused button
//   Enter             presses the button enterButton names (nothing on a check box)
//   Esc, Ctrl-C       a close request, as the close box
// Nothing for any other key, or when the window has nothing the key could reach. The Windows
// window leaves its keys to the system's dialog manager, whose Enter presses the default
// button from a check box too (EnterKey.h says why the two differ).
std::optional<runtime::Input> inputForKey(const runtime::Window& window, int key);

}  // namespace tallowmere::platform
