// The focus of a native window's controls, kept as every dialog keeps it.

#include "platform/common/FocusOrder.h"
#include "platform/win32ui/NativeWindow.h"

namespace tallowmere::platform {

void NativeWindow::showFocus(int number) {
  if (number == focusShown_) return;
  focusShown_ = number;
  focusLeft_ = nullptr;
  if (GetActiveWindow() == handle_) focusControl(number);
}

// As every dialog does: where the user left the focus, unless the program has moved it since.
void NativeWindow::restoreFocus() {
  if (focusLeft_ && IsChild(handle_, focusLeft_) && IsWindowEnabled(focusLeft_) &&
      IsWindowVisible(focusLeft_)) {
    SetFocus(focusLeft_);
  } else {
    focusControl(window_.focus() ? window_.focus() : nextFocus(window_, 1));
  }
}

void NativeWindow::focusControl(int number) {
  HWND control = controls_.find(number);
  if (!control || GetFocus() == control) return;
  if (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) SetFocus(control);
}

}  // namespace tallowmere::platform
