#include "platform/terminal/WindowInput.h"

#include <curses.h>

#include "platform/common/DialogKeys.h"
#include "platform/common/UserInput.h"
#include "platform/terminal/ControlLayout.h"
#include "platform/terminal/KeyCodes.h"
#include "platform/terminal/WindowFrame.h"
#include "runtime/ui/KeyCodes.h"
#include "runtime/ui/Window.h"

namespace tallowmere::platform {

namespace {

using runtime::Input;

std::optional<CellPoint> moveStep(int key) {
  switch (key) {
    case KEY_SR:  // Shift-Up
    case ModifiedUp:
      return CellPoint{0, -1};
    case KEY_SF:  // Shift-Down
    case ModifiedDown:
      return CellPoint{0, 1};
    case KEY_SLEFT:
    case ModifiedLeft:
      return CellPoint{-1, 0};
    case KEY_SRIGHT:
    case ModifiedRight:
      return CellPoint{1, 0};
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<Input> WindowInput::fromKey(const runtime::Window& window, int key,
                                          CellSize screen) const {
  if (auto step = moveStep(key)) return moveBy(window, *step, screen);
  return inputForKey(window, neutralKey(key));
}

std::optional<Input> WindowInput::fromMouse(const runtime::Window& window, const MouseInput& mouse,
                                            CellSize screen) {
  switch (mouse.action) {
    case MouseInput::Action::Press:
      return pressAt(window, mouse.at, screen);
    case MouseInput::Action::Motion:
    case MouseInput::Action::Release: {
      if (!grip_) return std::nullopt;
      const CellPoint origin{mouse.at.column - grip_->column, mouse.at.row - grip_->row};
      if (mouse.action == MouseInput::Action::Release) grip_.reset();
      return moveTo(window, origin, screen);
    }
  }
  return std::nullopt;
}

std::optional<Input> WindowInput::pressAt(const runtime::Window& window, CellPoint at,
                                          CellSize screen) {
  const WindowFrame frame = WindowFrame::of(window, screen);
  if (frame.closeBox().contains(at)) return closeWindow(runtime::Key::MouseLeft);
  if (frame.titleBar().contains(at)) {
    grip_ = CellPoint{at.column - frame.outer.origin.column, at.row - frame.outer.origin.row};
    return std::nullopt;
  }
  const int control = controlAt(window, frame.inClient(at));
  if (control == 0) return std::nullopt;
  return press(control, runtime::Key::MouseLeft);
}

std::optional<Input> WindowInput::moveBy(const runtime::Window& window, CellPoint step,
                                         CellSize screen) const {
  const CellPoint origin = WindowFrame::of(window, screen).outer.origin;
  return moveTo(window, {origin.column + step.column, origin.row + step.row}, screen);
}

std::optional<Input> WindowInput::moveTo(const runtime::Window& window, CellPoint origin,
                                         CellSize screen) const {
  const CellRect current = WindowFrame::of(window, screen).outer;
  const CellPoint kept = clampedOnto(origin, current.size, screen);
  if (kept == current.origin) return std::nullopt;
  return platform::moveTo(dialogUnitsFor(kept));
}

}  // namespace tallowmere::platform
