#pragma once

#include <optional>

#include "platform/terminal/CellGeometry.h"
#include "platform/terminal/MouseReport.h"
#include "runtime/ui/FrontEnd.h"

namespace tallowmere::platform {

// Turns the user's keys and mouse actions on the active window into the engine's inputs.
//   Tab, Down, Right       focus to the next check box or button; Shift-Tab, Up, Left back
//   Space                  toggles the focused check box or presses the focused button
//   Enter                  presses the focused button; with the focus on a control that
//                          takes none (a progress bar), the window's first button
//   Esc, Ctrl-C            close request, as the close box
//   Shift, Ctrl or Alt with an arrow key: moves the window one cell
// A click toggles a check box or presses a button, a click on the close box is a close
// request, and dragging the title bar moves the window. Moves keep the window on screen.
class WindowInput {
 public:
  std::optional<runtime::Input> fromKey(const runtime::Window& window, int key,
                                        CellSize screen) const;
  std::optional<runtime::Input> fromMouse(const runtime::Window& window, const MouseInput& mouse,
                                          CellSize screen);

 private:
  std::optional<runtime::Input> moveBy(const runtime::Window& window, CellPoint step,
                                       CellSize screen) const;
  std::optional<runtime::Input> moveTo(const runtime::Window& window, CellPoint origin,
                                       CellSize screen) const;
  std::optional<runtime::Input> pressAt(const runtime::Window& window, CellPoint at,
                                        CellSize screen);

  // Where the title bar was grabbed, relative to the window's corner, while dragging.
  std::optional<CellPoint> grip_;
};

}  // namespace tallowmere::platform
