#include "platform/win32ui/WindowsMessageBox.h"

#include "platform/common/MessageText.h"
#include "platform/win32/Utf16.h"

namespace tallowmere::platform {

namespace {

namespace Button = runtime::Button;

bool offers(const runtime::MessageBoxRequest& request, int button) {
  return (request.buttons & button) != 0;
}

std::wstring boxText(const std::string& text) {
  std::string lines;
  for (const std::string& line : messageLines(text)) {
    if (!lines.empty()) lines += '\n';
    lines += line;
  }
  return toUtf16(lines);
}

}  // namespace

UINT messageBoxStyle(const runtime::MessageBoxRequest& request) {
  const bool question = offers(request, Button::Yes) && offers(request, Button::No);
  UINT style = request.icon == runtime::Icon::Warning ? MB_ICONWARNING : MB_ICONINFORMATION;
  if (!question) return style | MB_OK;
  return style | MB_YESNO | (request.defaultButton == Button::No ? MB_DEFBUTTON2 : 0);
}

int showWindowsMessageBox(HWND owner, const runtime::MessageBoxRequest& request) {
  const UINT modality = owner ? MB_APPLMODAL : MB_TASKMODAL;
  switch (MessageBoxW(owner, boxText(request.text).c_str(), toUtf16(request.caption).c_str(),
                      messageBoxStyle(request) | modality | MB_SETFOREGROUND)) {
    case IDYES:
      return Button::Yes;
    case IDNO:
      return Button::No;
    case IDOK:
      return Button::OK;
    // The box could not be shown: nobody chose, so the program's own choice stands.
    default:
      return request.defaultButton;
  }
}

}  // namespace tallowmere::platform
