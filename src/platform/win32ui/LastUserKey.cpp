#include "platform/win32ui/LastUserKey.h"

#include "runtime/ui/KeyCodes.h"

namespace tallowmere::platform {

namespace {

int modifiers() {
  int held = 0;
  if (GetKeyState(VK_SHIFT) < 0) held |= runtime::Key::Shift;
  if (GetKeyState(VK_CONTROL) < 0) held |= runtime::Key::Ctrl;
  if (GetKeyState(VK_MENU) < 0) held |= runtime::Key::Alt;
  return held;
}

}  // namespace

void LastUserKey::note(const MSG& message) {
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      code_ = static_cast<int>(message.wParam) | modifiers();
      break;
    case WM_LBUTTONDOWN:
      code_ = runtime::Key::MouseLeft;
      break;
    case WM_RBUTTONDOWN:
      code_ = runtime::Key::MouseRight;
      break;
    default:
      break;
  }
}

}  // namespace tallowmere::platform
