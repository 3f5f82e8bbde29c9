#include "MouseClick.h"

#include <algorithm>
#include <array>

namespace tallowmere::testing {

namespace {

// Absolute mouse positions are given in 0..65535 across the primary screen.
LONG normalised(int pixel, int screenSize) {
  return static_cast<LONG>((pixel * 65535LL + screenSize / 2) / std::max(screenSize - 1, 1));
}

INPUT mouseAt(POINT at, DWORD action) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = normalised(at.x, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = normalised(at.y, GetSystemMetrics(SM_CYSCREEN));
  // Every event carries the place, so that a program that sets the cursor meanwhile cannot
  // move the press or the release off the control.
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | action;
  return input;
}

}  // namespace

bool clickWithMouse(HWND control) {
  RECT place{};
  if (!GetWindowRect(control, &place)) return false;
  const POINT middle{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
  std::array<INPUT, 3> inputs{mouseAt(middle, 0), mouseAt(middle, MOUSEEVENTF_LEFTDOWN),
                              mouseAt(middle, MOUSEEVENTF_LEFTUP)};
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

}  // namespace tallowmere::testing
