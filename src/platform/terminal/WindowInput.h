#pragma once

#include <optional>

#include "platform/terminal/CellGeometry.h"
#include "platform/terminal/MouseReport.h"
#include "runtime/ui/FrontEnd.h"

namespace tallowmere::platform {

// Turns the user's keys and mouse actions on the active window into the engine's inputs.
// Keys act as inputForKey says; Shift, Ctrl or Alt with an arrow key moves the window one
// cell.
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
