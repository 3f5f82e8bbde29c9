#include "platform/common/EnterKey.h"

#include <algorithm>

#include "platform/common/FocusOrder.h"
#include "runtime/ui/Window.h"

namespace tallowmere::platform {

namespace {

bool isButton(const runtime::Control& control) {
  return takesFocus(control) && control.kind() == runtime::ControlKind::Button;
}

}  // namespace

int defaultButton(const runtime::Window& window) {
  const auto& controls = window.controls();
  auto first = std::find_if(controls.begin(), controls.end(), isButton);
  return first == controls.end() ? 0 : first->number();
}

int enterButton(const runtime::Window& window) {
  const runtime::Control* focused = window.control(window.focus());
  if (focused && takesFocus(*focused)) return isButton(*focused) ? focused->number() : 0;
  return defaultButton(window);
}

}  // namespace tallowmere::platform
