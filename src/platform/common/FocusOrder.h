#pragma once

namespace tallowmere::runtime {
class Control;
class Window;
}  // namespace tallowmere::runtime

namespace tallowmere::platform {

// Check boxes and buttons take the focus and react to Space, Enter and clicks.
bool takesFocus(const runtime::Control& control);

// The control that takes the focus after (step 1) or before (step -1) the current one, in
// the window's order and wrapping round; 0 when the window has none.
int nextFocus(const runtime::Window& window, int step);

}  // namespace tallowmere::platform
