#include "platform/win32ui/NativeControls.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/common/EnterKey.h"
#include "platform/win32/Utf16.h"
#include "platform/win32ui/Monitors.h"

namespace tallowmere::platform {

namespace {

// Child identifiers start above IDOK and IDCANCEL, which the dialog keys send.
constexpr int ControlIdBase = 100;
// Natural heights, in dialog units, of a line of text and of a push button.
constexpr int TextHeight = 10;
constexpr int ButtonHeight = 14;

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

// Where the control's dialog units put it with the window's font, in client pixels.
RECT placeOf(const runtime::Control& control, const runtime::Window& window, const DialogFont& font,
             UINT dpi) {
  const runtime::ControlDescription& design = control.design;
  const std::wstring text = toUtf16(control.text);
  int width = font.xToPixels(design.width);
  if (design.width == runtime::NaturalSize) {
    const int box = control.kind() == runtime::ControlKind::CheckBox
                        ? systemMetric(SM_CXMENUCHECK, dpi) + font.xToPixels(4)
                        : font.xToPixels(4);
    width = font.textWidth(text) + box;
  } else if (control.kind() == runtime::ControlKind::FixedText) {
    // A text wider than its place (the substitute of a missing font may be) keeps its end in
    // sight while the window has room for it, rather than wrapping out of its one line.
    const int room = font.xToPixels(window.width() - design.x);
    width = std::max(width, std::min(font.textWidth(text), room));
  }
  const int naturalHeight =
      control.kind() == runtime::ControlKind::Button ? ButtonHeight : TextHeight;
  const int height =
      font.yToPixels(design.height == runtime::NaturalSize ? naturalHeight : design.height);
  const int x = font.xToPixels(design.x);
  const int y = font.yToPixels(design.y);
  return {x, y, x + width, y + height};
}

}  // namespace

NativeControls::NativeControls(HWND parent, const runtime::Window& window) {
  const int defaultNumber = defaultButton(window);
  const std::optional<runtime::ProgressRole>& role = window.progressRole();
  for (const runtime::Control& control : window.controls()) {
    const bool centred =
        role && (control.number() == role->title || control.number() == role->percent);
    children_[control.number()] =
        create(parent, control, control.number() == defaultNumber, centred);
  }
}

HWND NativeControls::create(HWND parent, const runtime::Control& control, bool isDefault,
                            bool centred) {
  HWND child = CreateWindowExW(
      0, classOf(control.kind()), toUtf16(control.text).c_str(),
      WS_CHILD | WS_VISIBLE | styleOf(control, isDefault, centred), 0, 0, 0, 0, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(commandId(control.number()))),
      GetModuleHandleW(nullptr), nullptr);
  shownTexts_[control.number()] = control.text;
  return child;
}

void NativeControls::layOut(const runtime::Window& window, const DialogFont& font, UINT dpi) {
  for (const runtime::Control& control : window.controls()) {
    HWND child = children_[control.number()];
    const RECT place = placeOf(control, window, font, dpi);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.handle()), TRUE);
    SetWindowPos(child, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void NativeControls::draw(const runtime::Window& window, const InputQueue& waiting) {
  for (const runtime::Control& control : window.controls()) {
    HWND child = children_[control.number()];
    if (shownTexts_[control.number()] != control.text) {
      SetWindowTextW(child, toUtf16(control.text).c_str());
      shownTexts_[control.number()] = control.text;
    }
    if (control.kind() == runtime::ControlKind::CheckBox) {
      showCheck(control.number(), control.checked, waiting);
    } else if (control.kind() == runtime::ControlKind::ProgressBar) {
      SendMessageW(child, PBM_SETPOS, static_cast<WPARAM>(control.value), 0);
    }
    if (IsWindowEnabled(child) != control.enabled) EnableWindow(child, control.enabled);
    if ((IsWindowVisible(child) != FALSE) != control.visible) {
      ShowWindow(child, control.visible ? SW_SHOW : SW_HIDE);
    }
  }
}

// A box the user clicked has ticked or cleared itself already, before the program has taken
// the click; until it has, a draw (for an earlier input) shows the box as the click left it.
void NativeControls::showCheck(int number, bool checked, const InputQueue& waiting) {
  if (!waiting.pressWaits(number)) {
    SendMessageW(children_[number], BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

HWND NativeControls::find(int number) const {
  const auto found = children_.find(number);
  return found == children_.end() ? nullptr : found->second;
}

int NativeControls::commandId(int number) {
  return ControlIdBase + number;
}

int NativeControls::numberOf(int commandId) {
  return commandId > ControlIdBase ? commandId - ControlIdBase : 0;
}

}  // namespace tallowmere::platform
