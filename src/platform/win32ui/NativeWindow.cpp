#include "platform/win32ui/NativeWindow.h"

#include <commctrl.h>

#include <string>

#include "platform/common/EnterKey.h"
#include "platform/common/UserInput.h"
#include "platform/win32/Utf16.h"
#include "platform/win32ui/Monitors.h"
#include "runtime/ui/KeyCodes.h"

namespace tallowmere::platform {

namespace {

constexpr wchar_t ClassName[] = L"TallowmereWindow";

}  // namespace

void NativeWindow::registerClass() {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &NativeWindow::procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ClassName;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    return RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
}

// Until the window stands on its monitor, it takes the scale of its owner's, or the system's.
// Creating the window places it too: what Windows reports of that is no move of the user's.
NativeWindow::NativeWindow(const runtime::Window& window, HWND owner, const LastUserKey& lastKey)
    : window_(window),
      lastKey_(lastKey),
      dpi_(owner ? dpiOfWindow(owner) : systemDpi()),
      font_(window.font(), dpi_) {
  registerClass();
  const DWORD style =
      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | (owner ? 0 : WS_MINIMIZEBOX);
  placing_ = true;
  CreateWindowExW(WS_EX_CONTROLPARENT | (owner ? WS_EX_DLGMODALFRAME : 0), ClassName,
                  toUtf16(window.caption()).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                  owner, nullptr, GetModuleHandleW(nullptr), this);
  placing_ = false;
  controls_ = NativeControls(handle_, window);
  controls_.layOut(window_, font_, dpi_);
  fitFrame();
}

// Detached first, the object hears nothing of its window's going.
NativeWindow::~NativeWindow() {
  SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
  DestroyWindow(handle_);
}

void NativeWindow::show() {
  placing_ = true;
  ShowWindow(handle_, SW_SHOW);
  placing_ = false;
  SetForegroundWindow(handle_);
  UpdateWindow(handle_);
}

void NativeWindow::draw(const runtime::Window& window) {
  const std::wstring caption = toUtf16(window.caption());
  wchar_t shown[256] = {};
  GetWindowTextW(handle_, shown, 256);
  if (caption != shown) SetWindowTextW(handle_, caption.c_str());
  controls_.draw(window, inputs_);
  if (window.hasPosition()) moveTo(window.position());
  showFocus(window.focus());
  UpdateWindow(handle_);
}

std::optional<runtime::Input> NativeWindow::takeInput() {
  const std::optional<runtime::Input> input = inputs_.take();
  // The click or key that pressed a control has put the focus where the program now puts it;
  // moved there again, a control the user is pressing meanwhile would lose its press.
  if (input && input->kind == runtime::Input::Kind::Accept) focusShown_ = input->control;
  return input;
}

// The object comes with the window's first message of its own, as the creation's parameter;
// the few messages before it get the default answers.
LRESULT CALLBACK NativeWindow::procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<NativeWindow*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->handle_ = handle;
    SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
  return self ? self->onMessage(message, wParam, lParam)
              : DefWindowProcW(handle, message, wParam, lParam);
}

LRESULT NativeWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      command(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CLOSE:
      inputs_.push(closeWindow(lastKey_.code()));
      return 0;
    case WM_MOVE:
      if (!placing_ && !IsIconic(handle_)) notePlace();
      break;
    case WM_GETDPISCALEDSIZE:
      // Asked before a move onto a monitor of another scale: the size the dialog units
      // give there, rather than this one scaled.
      *reinterpret_cast<SIZE*>(lParam) = frameSize(
          DialogFont(window_.font(), static_cast<UINT>(wParam)), static_cast<UINT>(wParam));
      return TRUE;
    case WM_DPICHANGED:
      moveOntoScale(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) {
        restoreFocus();
        return 0;
      }
      focusLeft_ = GetFocus();
      break;
    case DM_GETDEFID:
      // Asked by the dialog keys: Enter presses this button unless the focus is on another.
      if (const int button = defaultButton(window_)) {
        return MAKELRESULT(NativeControls::commandId(button), DC_HASDEFID);
      }
      break;
    case WM_SETCURSOR:
      if (busy_ && LOWORD(lParam) == HTCLIENT) {
        // A progress window still takes Cancel while the program works.
        SetCursor(LoadCursorW(nullptr, window_.progressRole() ? IDC_APPSTARTING : IDC_WAIT));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(handle_, message, wParam, lParam);
}

void NativeWindow::command(int id, int code) {
  if (id == IDCANCEL) {
    inputs_.push(closeWindow(runtime::Key::Esc));
  } else if (const int number = NativeControls::numberOf(id); number != 0 && code == BN_CLICKED) {
    inputs_.push(press(number, lastKey_.code()));
  }
}

}  // namespace tallowmere::platform
