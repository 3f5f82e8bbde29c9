#include "platform/win32/NativeWindow.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/common/FocusOrder.h"
#include "platform/win32/Utf16.h"
#include "runtime/ui/KeyCodes.h"

namespace tallowmere::platform {

namespace {

constexpr wchar_t ClassName[] = L"TallowmereWindow";
// Child identifiers start above IDOK and IDCANCEL, which the dialog keys send.
constexpr int ControlIdBase = 100;
// Natural heights, in dialog units, of a line of text and of a push button.
constexpr int TextHeight = 10;
constexpr int ButtonHeight = 14;

int lastUserKey = 0;

int modifiers() {
  int held = 0;
  if (GetKeyState(VK_SHIFT) < 0) held |= runtime::Key::Shift;
  if (GetKeyState(VK_CONTROL) < 0) held |= runtime::Key::Ctrl;
  if (GetKeyState(VK_MENU) < 0) held |= runtime::Key::Alt;
  return held;
}

void registerClass() {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
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

DWORD styleOf(const runtime::Control& control, bool isDefault, bool centred) {
  switch (control.kind()) {
    case runtime::ControlKind::CheckBox:
      return BS_AUTOCHECKBOX | WS_TABSTOP;
    case runtime::ControlKind::Button:
      return (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP;
    case runtime::ControlKind::ProgressBar:
      return PBS_SMOOTH;
    case runtime::ControlKind::FixedText:
      return (centred ? SS_CENTER : SS_LEFT) | SS_NOPREFIX;
  }
  return 0;
}

const wchar_t* classOf(runtime::ControlKind kind) {
  switch (kind) {
    case runtime::ControlKind::CheckBox:
    case runtime::ControlKind::Button:
      return L"BUTTON";
    case runtime::ControlKind::ProgressBar:
      return PROGRESS_CLASSW;
    case runtime::ControlKind::FixedText:
      return L"STATIC";
  }
  return L"STATIC";
}

}  // namespace

void NativeWindow::noteUserMessage(const MSG& message) {
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      lastUserKey = static_cast<int>(message.wParam) | modifiers();
      break;
    case WM_LBUTTONDOWN:
      lastUserKey = runtime::Key::MouseLeft;
      break;
    case WM_RBUTTONDOWN:
      lastUserKey = runtime::Key::MouseRight;
      break;
    default:
      break;
  }
}

NativeWindow::NativeWindow(const runtime::Window& window, HWND owner)
    : window_(window), owner_(owner), font_(window.font()) {
  registerClass();
  const DWORD style =
      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | (owner ? 0 : WS_MINIMIZEBOX);
  RECT frame{0, 0, font_.xToPixels(window.width()), font_.yToPixels(window.height())};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_CONTROLPARENT);
  handle_ = CreateWindowExW(WS_EX_CONTROLPARENT | (owner ? WS_EX_DLGMODALFRAME : 0), ClassName,
                            toUtf16(window.caption()).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                            frame.right - frame.left, frame.bottom - frame.top, owner, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NativeWindow::procedure));
  createControls(window);
}

NativeWindow::~NativeWindow() {
  SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
  DestroyWindow(handle_);
}

void NativeWindow::createControls(const runtime::Window& window) {
  const int defaultNumber = firstButton(window);
  const std::optional<runtime::ProgressRole>& role = window.progressRole();
  for (const runtime::Control& control : window.controls()) {
    const bool centred =
        role && (control.number() == role->title || control.number() == role->percent);
    controls_[control.number()] =
        createControl(control, control.number() == defaultNumber, centred);
  }
}

HWND NativeWindow::createControl(const runtime::Control& control, bool isDefault, bool centred) {
  const runtime::ControlDescription& design = control.design;
  const std::wstring text = toUtf16(control.text);
  int width = font_.xToPixels(design.width);
  if (design.width == runtime::NaturalSize) {
    const int box = control.kind() == runtime::ControlKind::CheckBox
                        ? GetSystemMetrics(SM_CXMENUCHECK) + font_.xToPixels(4)
                        : font_.xToPixels(4);
    width = font_.textWidth(text) + box;
  } else if (control.kind() == runtime::ControlKind::FixedText) {
    // A text wider than its place (the substitute of a missing font may be) keeps its end in
    // sight while the window has room for it, rather than wrapping out of its one line.
    const int room = font_.xToPixels(window_.width() - design.x);
    width = std::max(width, std::min(font_.textWidth(text), room));
  }
  const int naturalHeight =
      control.kind() == runtime::ControlKind::Button ? ButtonHeight : TextHeight;
  const int height =
      font_.yToPixels(design.height == runtime::NaturalSize ? naturalHeight : design.height);
  HWND child = CreateWindowExW(
      0, classOf(control.kind()), text.c_str(),
      WS_CHILD | WS_VISIBLE | styleOf(control, isDefault, centred), font_.xToPixels(design.x),
      font_.yToPixels(design.y), width, height, handle_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdBase + control.number())),
      GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.handle()), FALSE);
  shownTexts_[control.number()] = control.text;
  return child;
}

runtime::Point NativeWindow::place(std::optional<runtime::Point> position) {
  RECT frame{};
  GetWindowRect(handle_, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  int x = 0;
  int y = 0;
  if (position) {
    x = font_.xToPixels(position->x);
    y = font_.yToPixels(position->y);
  } else {
    RECT around{};
    if (owner_) {
      GetWindowRect(owner_, &around);
    } else {
      SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
    }
    x = around.left + (around.right - around.left - width) / 2;
    y = around.top + (around.bottom - around.top - height) / 2;
  }
  const runtime::Point at{font_.xToUnits(x), font_.yToUnits(y)};
  moveTo(at);
  return at;
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
  for (const runtime::Control& control : window.controls()) {
    HWND child = controls_[control.number()];
    if (shownTexts_[control.number()] != control.text) {
      SetWindowTextW(child, toUtf16(control.text).c_str());
      shownTexts_[control.number()] = control.text;
    }
    if (control.kind() == runtime::ControlKind::CheckBox) {
      showCheck(control.number(), control.checked);
    } else if (control.kind() == runtime::ControlKind::ProgressBar) {
      SendMessageW(child, PBM_SETPOS, static_cast<WPARAM>(control.value), 0);
    }
    if (IsWindowEnabled(child) != control.enabled) EnableWindow(child, control.enabled);
    if ((IsWindowVisible(child) != FALSE) != control.visible) {
      ShowWindow(child, control.visible ? SW_SHOW : SW_HIDE);
    }
  }
  if (window.hasPosition()) moveTo(window.position());
  if (GetActiveWindow() == handle_) focusControl(window.focus());
  UpdateWindow(handle_);
}

// A box the user clicked has ticked or cleared itself already, before the program has taken
// the click; until it has, a draw (for an earlier input) shows the box as the click left it.
void NativeWindow::showCheck(int number, bool checked) {
  const bool clickPending = std::any_of(inputs_.begin(), inputs_.end(), [&](const auto& input) {
    return input.kind == runtime::Input::Kind::Accept && input.control == number;
  });
  if (!clickPending) {
    SendMessageW(controls_[number], BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

// Only a place the program chose (a restored place) moves the window: one the user chose it is
// at already, and the program may not have heard of it yet.
void NativeWindow::moveTo(runtime::Point position) {
  if (placed_ == position) return;
  placed_ = position;
  placing_ = true;
  SetWindowPos(handle_, nullptr, font_.xToPixels(position.x), font_.yToPixels(position.y), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  placing_ = false;
}

void NativeWindow::focusControl(int number) {
  const auto found = controls_.find(number);
  if (found == controls_.end() || GetFocus() == found->second) return;
  if (GetWindowLongW(found->second, GWL_STYLE) & WS_TABSTOP) SetFocus(found->second);
}

std::optional<runtime::Input> NativeWindow::takeInput() {
  if (inputs_.empty()) return std::nullopt;
  const runtime::Input input = inputs_.front();
  inputs_.pop_front();
  return input;
}

LRESULT CALLBACK NativeWindow::procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
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
      inputs_.push_back({runtime::Input::Kind::CloseRequest, 0, {}, 0, 0, lastUserKey});
      return 0;
    case WM_MOVE:
      if (!placing_ && !IsIconic(handle_)) {
        RECT frame{};
        GetWindowRect(handle_, &frame);
        runtime::Input moved;
        moved.kind = runtime::Input::Kind::Move;
        moved.position = {font_.xToUnits(frame.left), font_.yToUnits(frame.top)};
        // Showing the window reports where it already is; reported later than a restored
        // place, that would put the window back.
        if (placed_ == moved.position) break;
        placed_ = moved.position;
        inputs_.push_back(moved);
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) {
        const int focus = window_.focus() ? window_.focus() : nextFocus(window_, 1);
        focusControl(focus);
        return 0;
      }
      break;
    case DM_GETDEFID:
      // Asked by the dialog keys: Enter presses this button unless the focus is on another.
      if (const int button = firstButton(window_)) {
        return MAKELRESULT(ControlIdBase + button, DC_HASDEFID);
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
    inputs_.push_back({runtime::Input::Kind::CloseRequest, 0, {}, 0, 0, runtime::Key::Esc});
  } else if (id > ControlIdBase && code == BN_CLICKED) {
    inputs_.push_back({runtime::Input::Kind::Accept, id - ControlIdBase, {}, 0, 0, lastUserKey});
  }
}

}  // namespace tallowmere::platform
