#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "runtime/ui/MessageBox.h"

namespace tallowmere::platform {

// The MessageBoxW style for a request: its buttons, icon and default button.
UINT messageBoxStyle(const runtime::MessageBoxRequest& request);
// Shows the request as a Windows message box over owner (none: over every window of the
// thread) and returns the runtime button pressed.
int showWindowsMessageBox(HWND owner, const runtime::MessageBoxRequest& request);
// Shows what the program answers its command line (its version, or what is wrong with the
// arguments: a problem) as it stands, for a program without a console to print it on.
void showCommandLineAnswer(const std::string& caption, std::string_view text, bool problem);

}  // namespace tallowmere::platform
