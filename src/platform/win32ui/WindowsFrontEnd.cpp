#include "platform/win32ui/WindowsFrontEnd.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32ui/Monitors.h"
#include "platform/win32ui/WindowsMessageBox.h"

namespace tallowmere::platform {

namespace {

RECT frameOf(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  return frame;
}

}  // namespace

WindowsFrontEnd::~WindowsFrontEnd() {
  shutdown();
}

NativeWindow* WindowsFrontEnd::find(const runtime::Window& window) {
  Shown* shown = windows_.find(window);
  return shown ? shown->native.get() : nullptr;
}

void WindowsFrontEnd::openWindow(runtime::Window& window) {
  HWND owner = windows_.empty() ? nullptr : windows_.top().kept.native->handle();
  auto native = std::make_unique<NativeWindow>(window, owner, lastKey_);
  const RECT below = windows_.areaToCentreOn(
      primaryWorkArea(), [](const auto& open) { return frameOf(open.kept.native->handle()); });
  const runtime::Point at =
      native->place(window.hasPosition() ? std::optional(window.position()) : std::nullopt, below);
  if (!window.hasPosition() || window.position() != at) window.moveTo(at);
  const bool disableOwner = owner && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  native->show();
  windows_.push(window, {std::move(native), disableOwner});
}

void WindowsFrontEnd::drawWindow(const runtime::Window& window) {
  if (NativeWindow* native = find(window)) native->draw(window);
}

// The owner is enabled first, so that Windows gives it the activation back when the window goes.
void WindowsFrontEnd::closeWindow(const runtime::Window& window) {
  const std::optional<Shown> closing = windows_.remove(window);
  if (!closing || !closing->disabledOwner) return;
  if (HWND owner = GetWindow(closing->native->handle(), GW_OWNER)) EnableWindow(owner, TRUE);
}

std::optional<runtime::Input> WindowsFrontEnd::waitForInput(
    runtime::Window& active, std::optional<runtime::Hundredths> deadline) {
  // A window whose timer runs is at work between its ticks too: shown at rest there, the
  // cursor would flicker with every batch of a pass.
  setBusy(deadline.has_value());
  for (;;) {
    pumpMessages();
    NativeWindow* native = find(active);
    if (!native) break;
    if (std::optional<runtime::Input> input = native->takeInput()) {
      setBusy(true);
      return input;
    }
    DWORD timeout = INFINITE;
    if (deadline) {
      const runtime::Hundredths left = *deadline - clock_.now();
      if (left <= 0) break;
      timeout = static_cast<DWORD>(left * 10);
    }
    MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
  setBusy(true);
  return std::nullopt;
}

bool WindowsFrontEnd::inputPending(runtime::Window& active) {
  pumpMessages();
  const NativeWindow* native = find(active);
  return native && native->hasInput();
}

bool WindowsFrontEnd::isOurs(HWND root) const {
  return root && std::any_of(windows_.begin(), windows_.end(),
                             [&](const auto& open) { return open.kept.native->handle() == root; });
}

void WindowsFrontEnd::pumpMessages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    lastKey_.note(message);
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (isOurs(root) && IsDialogMessageW(root, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Windows asks a window for its cursor only when the mouse moves over it. Asked here as
// Windows would ask it, the window under a mouse at rest shows at once whether the program
// is at work, and the mouse stays where the user has it.
void WindowsFrontEnd::setBusy(bool busy) {
  bool changed = false;
  for (const auto& open : windows_) changed |= open.kept.native->setBusy(busy);
  POINT at{};
  if (!changed || !GetCursorPos(&at)) return;
  HWND under = WindowFromPoint(at);
  if (!under || !isOurs(GetAncestor(under, GA_ROOT))) return;
  const LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
  SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
               MAKELPARAM(static_cast<WORD>(hit), WM_MOUSEMOVE));
}

void WindowsFrontEnd::beep() {
  MessageBeep(MB_OK);
}

void WindowsFrontEnd::shutdown() {
  while (!windows_.empty()) closeWindow(*windows_.top().window);
}

int WindowsFrontEnd::showMessageBox(const runtime::MessageBoxRequest& request) {
  HWND owner = nullptr;
  for (const auto& open : windows_) {
    if (IsWindowEnabled(open.kept.native->handle())) owner = open.kept.native->handle();
  }
  return showWindowsMessageBox(owner, request);
}

}  // namespace tallowmere::platform
