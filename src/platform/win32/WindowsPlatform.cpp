#include "platform/win32/WindowsPlatform.h"

#include <windows.h>
// Needs the types <windows.h> declares.
#include <shellapi.h>

#include "platform/win32/LocalMemory.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/WindowsCalendar.h"
#include "platform/win32/WindowsFileSystem.h"
#include "platform/win32/WindowsPrivateProfile.h"
#include "runtime/core/PlatformServices.h"

namespace tallowmere::platform {

void installWindowsServices() {
  static WindowsFileSystem fileSystem;
  static WindowsPrivateProfile settings;
  static WindowsCalendar calendar;
  runtime::installPlatformServices(
      {.files = &fileSystem, .settings = &settings, .calendar = &calendar});
}

std::vector<std::string> commandLineArguments() {
  int count = 0;
  const LocalMemory<wchar_t*> arguments(CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::string> utf8;
  for (int n = 1; arguments && n < count; ++n) utf8.push_back(toUtf8(arguments.get()[n]));
  return utf8;
}

}  // namespace tallowmere::platform
