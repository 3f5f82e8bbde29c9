#pragma once

#include <string>

namespace tallowmere::platform {

// Leaves a failed call's Windows error in the runtime's error state as the file layer
// reports it: file or path not found as 2; access denied, sharing and lock violations as
// 5; anything else as 90 with Windows' own number and message. Returns the runtime code.
int reportWindowsError(unsigned long error);

// Windows' message for an error number, in UTF-8 and without the line end it comes with.
std::string windowsMessage(unsigned long error);

}  // namespace tallowmere::platform
