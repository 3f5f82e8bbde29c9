#include "platform/win32/NativeWindow.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/common/FocusOrder.h"
#include "platform/win32/Monitors.h"
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

// Until the window stands on its monitor, it takes the scale of its owner's, or the system's.
NativeWindow::NativeWindow(const runtime::Window& window, HWND owner)
    : window_(window),
      owner_(owner),
      dpi_(owner ? dpiOfWindow(owner) : systemDpi()),
      font_(window.font(), dpi_) {
  registerClass();
  const DWORD style =
      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | (owner ? 0 : WS_MINIMIZEBOX);
  handle_ = CreateWindowExW(WS_EX_CONTROLPARENT | (owner ? WS_EX_DLGMODALFRAME : 0), ClassName,
                            toUtf16(window.caption()).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                            0, 0, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NativeWindow::procedure));
  createControls(window);
  layOutControls();
  fitFrame();
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
  HWND child = CreateWindowExW(
      0, classOf(control.kind()), toUtf16(control.text).c_str(),
      WS_CHILD | WS_VISIBLE | styleOf(control, isDefault, centred), 0, 0, 0, 0, handle_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlIdBase + control.number())),
      GetModuleHandleW(nullptr), nullptr);
  shownTexts_[control.number()] = control.text;
  return child;
}

// Where the control's dialog units put it with the window's font, in client pixels.
RECT NativeWindow::placeOf(const runtime::Control& control) const {
  const runtime::ControlDescription& design = control.design;
  const std::wstring text = toUtf16(control.text);
  int width = font_.xToPixels(design.width);
  if (design.width == runtime::NaturalSize) {
    const int box = control.kind() == runtime::ControlKind::CheckBox
                        ? systemMetric(SM_CXMENUCHECK, dpi_) + font_.xToPixels(4)
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
  const int x = font_.xToPixels(design.x);
  const int y = font_.yToPixels(design.y);
  return {x, y, x + width, y + height};
}

void NativeWindow::layOutControls() {
  for (const runtime::Control& control : window_.controls()) {
    HWND child = controls_[control.number()];
    const RECT place = placeOf(control);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.handle()), TRUE);
    SetWindowPos(child, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

SIZE NativeWindow::frameSize(const DialogFont& font, UINT dpi) const {
  RECT frame{0, 0, font.xToPixels(window_.width()), font.yToPixels(window_.height())};
  adjustFrame(frame, static_cast<DWORD>(GetWindowLongW(handle_, GWL_STYLE)),
              static_cast<DWORD>(GetWindowLongW(handle_, GWL_EXSTYLE)), dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void NativeWindow::fitFrame() {
  const SIZE size = frameSize(font_, dpi_);
  SetWindowPos(handle_, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The old font goes on leaving, once every control has the new one.
void NativeWindow::rescale(UINT dpi) {
  DialogFont old(window_.font(), dpi);
  std::swap(font_, old);
  dpi_ = dpi;
  layOutControls();
}

POINT NativeWindow::designedPlace(std::optional<runtime::Point> position) const {
  if (position) return {font_.xToPixels(position->x), font_.yToPixels(position->y)};
  RECT frame{};
  GetWindowRect(handle_, &frame);
  RECT around{};
  if (owner_) {
    GetWindowRect(owner_, &around);
  } else {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
  }
  return {around.left + (around.right - around.left - (frame.right - frame.left)) / 2,
          around.top + (around.bottom - around.top - (frame.bottom - frame.top)) / 2};
}

void NativeWindow::moveFrame(POINT to) {
  placing_ = true;
  SetWindowPos(handle_, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  placing_ = false;
}

// A place that would leave the window off its monitor's work area (kept from a monitor that
// is gone, or from a smaller scale) gives way to the nearest one on it.
bool NativeWindow::keepOnWorkArea() {
  RECT frame{};
  GetWindowRect(handle_, &frame);
  const POINT kept = keptOnWorkArea(frame);
  if (kept.x == frame.left && kept.y == frame.top) return false;
  moveFrame(kept);
  return true;
}

runtime::Point NativeWindow::framePlace() const {
  RECT frame{};
  GetWindowRect(handle_, &frame);
  return {font_.xToUnits(frame.left), font_.yToUnits(frame.top)};
}

// The place decides the monitor, the monitor the scale, and the scale the window's size and
// its place in pixels.
runtime::Point NativeWindow::place(std::optional<runtime::Point> position) {
  moveFrame(designedPlace(position));
  if (const UINT dpi = dpiOfWindow(handle_); dpi != dpi_) {
    rescale(dpi);
    fitFrame();
    moveFrame(designedPlace(position));
  }
  // A place taken as it was given stays as given, so that rounding cannot creep it away.
  placed_ = keepOnWorkArea() || !position ? framePlace() : *position;
  return *placed_;
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
  showFocus(window.focus());
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
  moveFrame({font_.xToPixels(position.x), font_.yToPixels(position.y)});
  // Where the window could not go, the program hears where it went instead.
  if (keepOnWorkArea()) notePlace();
}

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
  const auto found = controls_.find(number);
  if (found == controls_.end() || GetFocus() == found->second) return;
  if (GetWindowLongW(found->second, GWL_STYLE) & WS_TABSTOP) SetFocus(found->second);
}

std::optional<runtime::Input> NativeWindow::takeInput() {
  if (inputs_.empty()) return std::nullopt;
  const runtime::Input input = inputs_.front();
  inputs_.pop_front();
  // The click or key that pressed a control has put the focus where the program now puts it;
  // moved there again, a control the user is pressing meanwhile would lose its press.
  if (input.kind == runtime::Input::Kind::Accept) focusShown_ = input.control;
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

// The place in dialog units changes with the font even where the pixels stay; the program
// hears of it unless it is placing the window itself.
void NativeWindow::moveOntoScale(UINT dpi, const RECT& suggested) {
  const bool programPlacing = placing_;
  rescale(dpi);
  placing_ = true;
  SetWindowPos(handle_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  placing_ = programPlacing;
  if (!programPlacing) notePlace();
}

// Showing the window reports where it already is; reported later than a restored place,
// that would put the window back.
void NativeWindow::notePlace() {
  const runtime::Point at = framePlace();
  if (placed_ == at) return;
  placed_ = at;
  runtime::Input moved;
  moved.kind = runtime::Input::Kind::Move;
  moved.position = at;
  inputs_.push_back(moved);
}

void NativeWindow::command(int id, int code) {
  if (id == IDCANCEL) {
    inputs_.push_back({runtime::Input::Kind::CloseRequest, 0, {}, 0, 0, runtime::Key::Esc});
  } else if (id > ControlIdBase && code == BN_CLICKED) {
    inputs_.push_back({runtime::Input::Kind::Accept, id - ControlIdBase, {}, 0, 0, lastUserKey});
  }
}

}  // namespace tallowmere::platform
