#pragma once

namespace tallowmere::runtime {
class Window;
}  // namespace tallowmere::runtime

namespace tallowmere::platform {

// Enter presses the focused button, and from a control that takes no focus (a progress window
// starts with it on its bar) the window's default button. From a check box the two systems
// differ on purpose:
// - Windows draws the default button as such, and its dialog manager (IsDialogMessage) presses
//   it from every control but another button; Windows users expect that of every dialog, so
//   the Windows window only names its default button and leaves Enter to the system.
// - The terminal shows no default button: Enter on a check box pressing the first button, the
//   one that starts a conversion, would surprise. There Enter on a check box does nothing.

// The window's default button: its first button that takes input; 0 when there is none.
int defaultButton(const runtime::Window& window);

// The button Enter presses in a front end that reads the keys itself (the terminal and the
// scripted one of the tests): as above, with nothing from a check box; 0 for nothing.
int enterButton(const runtime::Window& window);

}  // namespace tallowmere::platform
