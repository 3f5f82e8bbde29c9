#include "platform/terminal/WindowPainter.h"

#include "platform/common/FocusOrder.h"
#include "platform/terminal/ControlLayout.h"
#include "runtime/ui/Window.h"

namespace tallowmere::platform {

namespace {

void paintControl(ScreenPainter& painter, const PlacedControl& placed, CellPoint at, bool focused,
                  Glyphs glyphs) {
  const runtime::Control& control = *placed.control;
  if (control.kind() == runtime::ControlKind::ProgressBar) {
    const int cells = placed.area.size.columns;
    const std::string bar = progressBarText(control.value, cells, glyphs);
    if (glyphs == Glyphs::Unicode) {
      painter.glyphs(at, cells, bar);
    } else {
      painter.text(at, bar);
    }
    return;
  }
  painter.controlLabel(at, placed.label, focused, control.enabled ? Ink::Normal : Ink::Dim);
}

}  // namespace

void paintWindow(ScreenPainter& painter, const runtime::Window& window, const WindowFrame& frame,
                 bool active, Glyphs glyphs) {
  painter.frame(frame, window.caption(), active);
  const CellPoint client = frame.clientOrigin();
  for (const PlacedControl& placed : layOutControls(window)) {
    const CellPoint at{client.column + placed.area.origin.column,
                       client.row + placed.area.origin.row};
    const bool focused =
        active && placed.control->number() == window.focus() && takesFocus(*placed.control);
    paintControl(painter, placed, at, focused, glyphs);
  }
}

}  // namespace tallowmere::platform
