#include "platform/terminal/ControlLayout.h"

#include <algorithm>

#include "platform/common/FocusOrder.h"
#include "platform/terminal/CellText.h"
#include "platform/terminal/WindowFrame.h"
#include "runtime/ui/Window.h"

namespace tallowmere::platform {

namespace {

constexpr int NaturalProgressColumns = 20;

std::string checkBoxLabel(const runtime::Control& control) {
  return std::string(control.checked ? "[X] " : "[ ] ") + shownText(control.text);
}

std::string centred(const std::string& shown, int width) {
  const int spare = std::max(width - cellsOf(shown), 0);
  return std::string(spare / 2, ' ') + shown + std::string(spare - spare / 2, ' ');
}

int designedColumns(const runtime::ControlDescription& design, int natural) {
  return design.width == runtime::NaturalSize ? natural : columnsFor(design.width);
}

PlacedControl shapeText(const runtime::Control& control) {
  const std::string shown = shownText(control.text);
  const int natural = cellsOf(shown);
  switch (control.design.fit) {
    case runtime::TextFit::PathEllipsis: {
      const int width = designedColumns(control.design, natural);
      return {&control, {{}, {width, 1}}, fitPath(shown, width)};
    }
    case runtime::TextFit::EndEllipsis: {
      const int width = designedColumns(control.design, natural);
      return {&control, {{}, {width, 1}}, fitEnd(shown, width)};
    }
    case runtime::TextFit::Clip:
      break;
  }
  return {&control, {{}, {natural, 1}}, shown};
}

// A button wider than its design allows drops the blanks inside its brackets when it would
// otherwise be pushed over the control before it (a "…" shown as "..." needs two more cells).
PlacedControl shapeButton(const runtime::Control& control, CellSize client) {
  const std::string shown = shownText(control.text);
  const int designed = designedColumns(control.design, 0);
  std::string face = buttonFace(shown);
  if (columnsFor(control.design.x) + cellsOf(face) >= client.columns) face = "[" + shown + "]";
  const int width = std::max(designed, cellsOf(face));
  return {&control, {{}, {width, 1}}, centred(face, width)};
}

PlacedControl shape(const runtime::Control& control, CellSize client) {
  switch (control.kind()) {
    case runtime::ControlKind::CheckBox: {
      std::string label = checkBoxLabel(control);
      const int width = cellsOf(label);
      return {&control, {{}, {width, 1}}, std::move(label)};
    }
    case runtime::ControlKind::Button:
      return shapeButton(control, client);
    case runtime::ControlKind::ProgressBar:
      return {&control, {{}, {designedColumns(control.design, NaturalProgressColumns), 1}}, {}};
    case runtime::ControlKind::FixedText:
      break;
  }
  return shapeText(control);
}

// A button's caption sits in the middle of its height, as the system draws it: a button
// designed taller than a text line beside it shows on that line's row.
int designedRow(const runtime::ControlDescription& design) {
  const bool tallButton = design.kind == runtime::ControlKind::Button &&
                          design.height != runtime::NaturalSize &&
                          design.height > DialogUnitsPerRow;
  return rowsFor(tallButton ? design.y + (design.height - DialogUnitsPerRow) / 2 : design.y);
}

}  // namespace

PlacedControl layOutControl(const runtime::Control& control, CellSize client) {
  PlacedControl placed = shape(control, client);
  CellRect& area = placed.area;
  area.size.columns = std::min(area.size.columns, client.columns);
  // A blank column before the frame where there is room for it.
  const int margin = area.size.columns < client.columns ? 1 : 0;
  area.origin.column =
      std::clamp(columnsFor(control.design.x), 0, client.columns - area.size.columns - margin);
  area.origin.row = std::clamp(designedRow(control.design), 0, client.rows - 1);
  placed.label = headWithin(placed.label, area.size.columns);
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

std::string buttonFace(std::string_view shown) {
  return std::string("[ ").append(shown).append(" ]");
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
