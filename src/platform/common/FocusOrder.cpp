#include "platform/common/FocusOrder.h"

#include <algorithm>

#include "runtime/ui/Window.h"

namespace tallowmere::platform {

bool takesFocus(const runtime::Control& control) {
  return control.canTakeInput() && (control.kind() == runtime::ControlKind::CheckBox ||
                                    control.kind() == runtime::ControlKind::Button);
}

int nextFocus(const runtime::Window& window, int step) {
  const auto& controls = window.controls();
  const int count = static_cast<int>(controls.size());
  if (count == 0) return 0;
  auto current = std::find_if(controls.begin(), controls.end(), [&](const runtime::Control& c) {
    return c.number() == window.focus();
  });
  // Without a current control, stepping forward starts at the first and back at the last.
  int index = current == controls.end() ? (step > 0 ? -1 : count)
                                        : static_cast<int>(current - controls.begin());
  for (int tried = 0; tried < count; ++tried) {
    index = ((index + step) % count + count) % count;
    if (takesFocus(controls[index])) return controls[index].number();
  }
  return 0;
}

}  // namespace tallowmere::platform
