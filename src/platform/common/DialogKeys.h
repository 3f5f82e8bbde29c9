#pragma once

#include <optional>

#include "runtime/ui/FrontEnd.h"

namespace tallowmere::platform {

// What a key (a runtime::Key code) does in a window, the same in every front end:
//   Tab, Down, Right  the focus to the next check box or button; Shift-Tab, Up, Left back
//   Space             toggles the focused check box or presses the focused button
//   Enter             presses the default button (see defaultButton)
//   Esc, Ctrl-C       a close request, as the close box
// Nothing for any other key, or when the window has nothing the key could reach.
std::optional<runtime::Input> inputForKey(const runtime::Window& window, int key);

}  // namespace tallowmere::platform
