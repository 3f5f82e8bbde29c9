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

// The button Enter presses: the focused one, or the window's first button when the focus
// sits on a control that takes none (a progress window starts with it on its bar); 0 when
// the focus is on a check box or there is no button.
int defaultButton(const runtime::Window& window);

// The window's first button that takes input: the one a Windows dialog presses on Enter
// wherever the focus is, unless it is on another button; 0 when there is none.
int firstButton(const runtime::Window& window);

}  // namespace tallowmere::platform
