#include "platform/win32/WindowsConsole.h"

#include <io.h>
#include <windows.h>

#include "platform/win32/Utf16.h"

namespace tallowmere::platform {

WindowsConsole::WindowsConsole(std::FILE* out) : out_(out) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(out)));
  DWORD mode = 0;
  if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) console_ = handle;
}

int WindowsConsole::columns() const {
  CONSOLE_SCREEN_BUFFER_INFO screen{};
  if (!console_ || !GetConsoleScreenBufferInfo(console_, &screen)) return 0;
  return screen.srWindow.Right - screen.srWindow.Left + 1;
}

void WindowsConsole::write(const std::string& text) {
  if (!console_) {
    std::fputs(text.c_str(), out_);
    std::fflush(out_);
    return;
  }
  std::fflush(out_);
  const std::wstring wide = toUtf16(text);
  DWORD written = 0;
  WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
}

void WindowsConsole::redrawLine(const std::string& text) {
  write("\r" + text);
  clearToEndOfLine();
}

// Blanks the rest of the cursor's line without moving the cursor.
void WindowsConsole::clearToEndOfLine() {
  CONSOLE_SCREEN_BUFFER_INFO screen{};
  if (!console_ || !GetConsoleScreenBufferInfo(console_, &screen)) return;
  const DWORD rest = static_cast<DWORD>(screen.dwSize.X - screen.dwCursorPosition.X);
  DWORD blanked = 0;
  FillConsoleOutputCharacterW(console_, L' ', rest, screen.dwCursorPosition, &blanked);
}

}  // namespace tallowmere::platform
