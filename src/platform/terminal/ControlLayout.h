#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/terminal/CellGeometry.h"
#include "runtime/ui/Control.h"

namespace tallowmere::runtime {
class Window;
}

namespace tallowmere::platform {

// A control as it appears in its window's client area: area is relative to the client
// area's top left corner, label is what fills it (empty for a progress bar, which is drawn
// from its value).
struct PlacedControl {
  const runtime::Control* control = nullptr;
  CellRect area;
  std::string label;
};

// Visible controls in their window's order, their labels in their shown form (see
// CellText.h). A control that would stick out of the client area is moved back inside it,
// so a text is cut only when it is wider than the window; a text that is to fit its place
// (TextFit) is shortened to its designed width with an ellipsis instead.
std::vector<PlacedControl> layOutControls(const runtime::Window& window);
PlacedControl layOutControl(const runtime::Control& control, CellSize client);

// How a button with this (shown) text looks, also in a message box and the file dialog.
std::string buttonFace(std::string_view shown);

// The usable focus-taking control at a point of the client area, or 0.
int controlAt(const runtime::Window& window, CellPoint clientPoint);

}  // namespace tallowmere::platform
