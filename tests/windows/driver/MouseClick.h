#pragma once

#include <windows.h>

namespace tallowmere::testing {

// Clicks the middle of a control with the left mouse button through the system's input
// queue, as a hand on the mouse would: its window is brought to the front first, the press
// and the release go to whatever window is at that point of the screen, and the program sees
// them only when it reads its messages. False when the system did not take the click.
bool clickWithMouse(HWND control);
// Moves the mouse to a point of the screen as a hand would, through the same queue.
bool moveMouseTo(POINT at);

}  // namespace tallowmere::testing
