#include "platform/win32/ConsoleBreak.h"

#include <windows.h>

#include "platform/win32/WindowsPath.h"
#include "runtime/files/PendingRemovals.h"

namespace tallowmere::platform {

namespace {

// A file still open in the program is only marked for deletion; it goes when the process
// ends, which Windows does once this handler returns.
void removeFile(const char* path) {
  DeleteFileW(windowsPath(path).c_str());
}

BOOL WINAPI onConsoleBreak(DWORD) {
  runtime::PendingRemovals::forEachListed(removeFile);
  return FALSE;
}

}  // namespace

void removeTemporariesOnConsoleBreak() {
  SetConsoleCtrlHandler(onConsoleBreak, TRUE);
}

}  // namespace tallowmere::platform
