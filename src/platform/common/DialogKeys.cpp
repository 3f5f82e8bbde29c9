#include "platform/common/DialogKeys.h"

#include "platform/common/EnterKey.h"
#include "platform/common/FocusOrder.h"
#include "platform/common/UserInput.h"
#include "runtime/ui/KeyCodes.h"
#include "runtime/ui/Window.h"

namespace tallowmere::platform {

namespace {

using runtime::Input;

std::optional<Input> stepFocus(const runtime::Window& window, int step, int key) {
  const int next = nextFocus(window, step);
  if (next == 0) return std::nullopt;
  return focusOn(next, key);
}

std::optional<Input> pressFocused(const runtime::Window& window, int key) {
  const runtime::Control* focused = window.control(window.focus());
  if (!focused || !takesFocus(*focused)) return std::nullopt;
  return press(focused->number(), key);
}

std::optional<Input> pressForEnter(const runtime::Window& window, int key) {
  const int button = enterButton(window);
  if (button == 0) return std::nullopt;
  return press(button, key);
}

}  // namespace

std::optional<Input> inputForKey(const runtime::Window& window, int key) {
  switch (key) {
    case runtime::Key::Tab:
    case runtime::Key::Down:
    case runtime::Key::Right:
      return stepFocus(window, 1, key);
    case runtime::Key::ShiftTab:
    case runtime::Key::Up:
    case runtime::Key::Left:
      return stepFocus(window, -1, key);
    case runtime::Key::Space:
      return pressFocused(window, key);
    case runtime::Key::Enter:
      return pressForEnter(window, key);
    case runtime::Key::Esc:
    case runtime::Key::CtrlC:
      return closeWindow(key);
    default:
      return std::nullopt;
  }
}

}  // namespace tallowmere::platform
