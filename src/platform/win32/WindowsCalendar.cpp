#include "platform/win32/WindowsCalendar.h"

#include <windows.h>

namespace tallowmere::platform {

runtime::LocalTime WindowsCalendar::now() const {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}

}  // namespace tallowmere::platform
