#include "platform/win32ui/HelpBox.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/win32/Utf16.h"
#include "platform/win32ui/DialogFont.h"
#include "platform/win32ui/Monitors.h"

namespace tallowmere::platform {

namespace {

constexpr int TextId = 100;
constexpr int FontPoints = 9;

// What the box shows, and the fonts it shows it in, which outlive it.
struct HelpContent {
  std::wstring caption;
  std::vector<std::wstring> lines;
  DialogFont text;
  DialogFont buttons;
};

// A dialog with no controls in its template: the box makes them itself, sized to the text.
struct EmptyDialog {
  DLGTEMPLATE header{DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 0, 0, 0};
  WORD menu = 0;
  WORD windowClass = 0;
  WORD title = 0;
};

std::vector<std::wstring> linesOf(std::string_view text) {
  while (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  std::vector<std::wstring> lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(toUtf16(text.substr(start, end - start)));
    if (end == std::string_view::npos) return lines;
    start = end + 1;
  }
}

HWND child(HWND box, const wchar_t* windowClass, const std::wstring& text, DWORD style, int id,
           const DialogFont& font) {
  HWND control = CreateWindowExW(0, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0,
                                 0, 0, box, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.handle()), FALSE);
  return control;
}

// The text box as large as the text needs, within room; scroll bars where it does not fit.
HWND textBox(HWND box, const HelpContent& content, SIZE room, SIZE& shown) {
  int width = 0;
  std::wstring joined;
  for (const std::wstring& line : content.lines) {
    width = std::max(width, content.text.textWidth(line));
    joined += line + L"\r\n";
  }
  const int edges = 2 * GetSystemMetrics(SM_CXEDGE) + content.text.textWidth(L"MM");
  const SIZE needed{width + edges,
                    content.text.lineHeight() * static_cast<int>(content.lines.size()) + edges};
  const bool tooWide = needed.cx > room.cx;
  const bool tooTall = needed.cy > room.cy;
  shown = {std::min<LONG>(needed.cx + (tooTall ? GetSystemMetrics(SM_CXVSCROLL) : 0), room.cx),
           std::min<LONG>(needed.cy + (tooWide ? GetSystemMetrics(SM_CYHSCROLL) : 0), room.cy)};
  return child(box, L"EDIT", joined,
               WS_BORDER | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL |
                   (tooWide ? WS_HSCROLL : 0) | (tooTall ? WS_VSCROLL : 0),
               TextId, content.text);
}

// The text, OK under it on the right, and the box round them, centred on the work area.
void layOut(HWND box, const HelpContent& content) {
  SetWindowTextW(box, content.caption.c_str());
  const int margin = content.buttons.xToPixels(7);
  const SIZE button{content.buttons.xToPixels(50), content.buttons.yToPixels(14)};
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(box, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(box, GWL_EXSTYLE)));
  const SIZE frameSize{frame.right - frame.left, frame.bottom - frame.top};
  const RECT work = primaryWorkArea();
  const SIZE room{work.right - work.left - frameSize.cx - 2 * margin,
                  work.bottom - work.top - frameSize.cy - 3 * margin - button.cy};

  SIZE shown{};
  HWND text = textBox(box, content, room, shown);
  SetWindowPos(text, nullptr, margin, margin, shown.cx, shown.cy, SWP_NOZORDER);
  HWND ok = child(box, L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, content.buttons);
  SetWindowPos(ok, nullptr, margin + shown.cx - button.cx, 2 * margin + shown.cy, button.cx,
               button.cy, SWP_NOZORDER);
  const SIZE whole{shown.cx + 2 * margin + frameSize.cx,
                   shown.cy + 3 * margin + button.cy + frameSize.cy};
  SetWindowPos(box, nullptr, work.left + (work.right - work.left - whole.cx) / 2,
               work.top + (work.bottom - work.top - whole.cy) / 2, whole.cx, whole.cy,
               SWP_NOZORDER);
  SetFocus(ok);
}

INT_PTR CALLBACK helpProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    layOut(box, *reinterpret_cast<const HelpContent*>(lParam));
    // The focus is on OK already.
    return FALSE;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(box, IDOK);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

void showHelpBox(const std::string& caption, std::string_view text) {
  const UINT dpi = systemDpi();
  const HelpContent content{toUtf16(caption), linesOf(text),
                            DialogFont({"Consolas", FontPoints}, dpi, FIXED_PITCH | FF_MODERN),
                            DialogFont({"Tahoma", FontPoints}, dpi)};
  const EmptyDialog dialog;
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &dialog.header, nullptr, helpProcedure,
                          reinterpret_cast<LPARAM>(&content));
}

}  // namespace tallowmere::platform
