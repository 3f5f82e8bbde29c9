#pragma once

#include "platform/terminal/CellGeometry.h"

namespace tallowmere::runtime {
class Window;
}

namespace tallowmere::platform {

// Where a framed box sits on the screen: its top frame line is the title bar, with the close
// box at its right end.
struct WindowFrame {
  CellRect outer;

  CellPoint clientOrigin() const { return {outer.origin.column + 1, outer.origin.row + 1}; }
  CellSize clientSize() const { return {outer.size.columns - 2, outer.size.rows - 2}; }
  CellRect titleBar() const { return {outer.origin, {outer.size.columns, 1}}; }
  CellRect closeBox() const;
  // A point of the client area relative to its top left corner.
  CellPoint inClient(CellPoint screenPoint) const;

  // A window's frame as it is shown: its position kept on a screen of screen size.
  static WindowFrame of(const runtime::Window& window, CellSize screen);
};

// The client area of a window as designed, in cells, and the window with its frame.
CellSize clientSizeOf(const runtime::Window& window);
CellSize outerSizeOf(const runtime::Window& window);

}  // namespace tallowmere::platform
