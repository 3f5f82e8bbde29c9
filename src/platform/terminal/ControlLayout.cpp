#include "platform/terminal/ControlLayout.h"

#include <algorithm>

#include "platform/common/FocusOrder.h"
#include "platform/terminal/WindowFrame.h"
#include "runtime/ui/Window.h"

namespace tallowmere::platform {

namespace {

constexpr int NaturalProgressColumns = 20;

std::string checkBoxLabel(const runtime::Control& control) {
  return std::string(control.checked ? "[X] " : "[ ] ") + control.text;
}

std::string centred(const std::string& text, int width) {
  const int spare = std::max(width - static_cast<int>(text.size()), 0);
  return std::string(spare / 2, ' ') + text + std::string(spare - spare / 2, ' ');
}

int designedColumns(const runtime::ControlDescription& design, int natural) {
  return design.width == runtime::NaturalSize ? natural : columnsFor(design.width);
}

PlacedControl shape(const runtime::Control& control) {
  const std::string& text = control.text;
  switch (control.kind()) {
    case runtime::ControlKind::CheckBox:
      return {&control, {{}, {static_cast<int>(text.size()) + 4, 1}}, checkBoxLabel(control)};
    case runtime::ControlKind::Button: {
      const std::string face = buttonFace(text);
      const int width = std::max(designedColumns(control.design, 0), static_cast<int>(face.size()));
      return {&control, {{}, {width, 1}}, centred(face, width)};
    }
    case runtime::ControlKind::ProgressBar:
      return {&control, {{}, {designedColumns(control.design, NaturalProgressColumns), 1}}, {}};
    case runtime::ControlKind::FixedText:
      break;
  }
  return {&control, {{}, {static_cast<int>(text.size()), 1}}, text};
}

}  // namespace

PlacedControl layOutControl(const runtime::Control& control, CellSize client) {
  PlacedControl placed = shape(control);
  CellRect& area = placed.area;
  area.size.columns = std::min(area.size.columns, client.columns);
  // A blank column before the frame where there is room for it.
  const int margin = area.size.columns < client.columns ? 1 : 0;
  area.origin.column =
      std::clamp(columnsFor(control.design.x), 0, client.columns - area.size.columns - margin);
  area.origin.row = std::clamp(rowsFor(control.design.y), 0, client.rows - 1);
  if (static_cast<int>(placed.label.size()) > area.size.columns) {
    placed.label.resize(area.size.columns);
  }
  return placed;
}

std::vector<PlacedControl> layOutControls(const runtime::Window& window) {
  const CellSize client = clientSizeOf(window);
  std::vector<PlacedControl> placed;
  for (const runtime::Control& control : window.controls()) {
    if (control.visible) placed.push_back(layOutControl(control, client));
  }
  return placed;
}

std::string buttonFace(std::string_view text) {
  return std::string("[ ").append(text).append(" ]");
}

int controlAt(const runtime::Window& window, CellPoint clientPoint) {
  for (const PlacedControl& placed : layOutControls(window)) {
    if (takesFocus(*placed.control) && placed.area.contains(clientPoint)) {
      return placed.control->number();
    }
  }
  return 0;
}

}  // namespace tallowmere::platform
