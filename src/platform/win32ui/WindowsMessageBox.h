#pragma once

#include <windows.h>

#include "runtime/ui/MessageBox.h"

namespace tallowmere::platform {

// The MessageBoxW style for a request: its buttons, icon and default button.
UINT messageBoxStyle(const runtime::MessageBoxRequest& request);
// Shows the request as a Windows message box over owner (none: over every window of the
// thread) and returns the runtime button pressed.
int showWindowsMessageBox(HWND owner, const runtime::MessageBoxRequest& request);

}  // namespace tallowmere::platform
