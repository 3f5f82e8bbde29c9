#include "platform/win32/WindowsErrors.h"

#include <windows.h>

#include "platform/win32/LocalMemory.h"
#include "platform/win32/Utf16.h"
#include "runtime/files/ErrorState.h"

namespace tallowmere::platform {

std::string windowsMessage(unsigned long error) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  const LocalMemory<wchar_t> owned(buffer);
  if (length == 0) return "Windows error " + std::to_string(error);
  std::wstring_view text(buffer, length);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
    text.remove_suffix(1);
  }
  return toUtf8(text);
}

int reportWindowsError(unsigned long error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return runtime::setError(runtime::ErrorCode::FileNotFound);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return runtime::setError(runtime::ErrorCode::AccessDenied);
    default:
      return runtime::setError(
          runtime::ErrorCode::OperatingSystemError,
          runtime::SystemError{static_cast<int>(error), windowsMessage(error)});
  }
}

}  // namespace tallowmere::platform
