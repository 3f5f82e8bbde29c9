#include "MouseClick.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>

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

// On a shared desktop another window may cover the control: its own window is brought to the
// front, and given a moment to get there, unless the control is what the point already hits.
void bringToFront(HWND control, POINT at) {
  HWND hit = WindowFromPoint(at);
  if (hit == control || IsChild(control, hit)) return;
  SetForegroundWindow(GetAncestor(control, GA_ROOT));
  for (int wait = 0; wait < 50 && WindowFromPoint(at) != control; ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace

bool clickWithMouse(HWND control) {
  RECT place{};
  if (!GetWindowRect(control, &place)) return false;
  const POINT middle{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
  bringToFront(control, middle);
  // Wine moves the display's pointer for a move, and the window under it later hears of that
  // as a move of its own: come while the button is held, from a place the pointer has left,
  // it would take the press off the control. The pointer is left to settle first.
  if (!moveMouseTo(middle)) return false;
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  std::array<INPUT, 2> inputs{mouseAt(middle, MOUSEEVENTF_LEFTDOWN),
                              mouseAt(middle, MOUSEEVENTF_LEFTUP)};
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

bool moveMouseTo(POINT at) {
  INPUT move = mouseAt(at, 0);
  return SendInput(1, &move, sizeof(INPUT)) == 1;
}

}  // namespace tallowmere::testing
