#pragma once

#include <windows.h>

namespace tallowmere::testing {

// Clicks the middle of a control with the left mouse button through the system's input
// queue, as a hand on the mouse would: the press and the release go to whatever window is
// at that point of the screen, and the program sees them only when it reads its messages.
bool clickWithMouse(HWND control);

}  // namespace tallowmere::testing
