#pragma once

#include <optional>

#include "platform/terminal/ByteSource.h"
#include "platform/terminal/MouseReport.h"

namespace tallowmere::platform {

// Whether key is the start of a mouse report (see KeyCodes.h), whose rest readMouseReport
// takes.
bool isMouseReportStart(int key);

// The rest of the mouse report that start began, read from source. A report's bytes follow
// its start at once, so each is waited for only briefly: a report cut short comes to
// nothing. So does one broken off by a byte or key that no report holds, and that byte or
// key is given back to source, so a key typed after a broken report still counts.
std::optional<MouseInput> readMouseReport(ByteSource& source, int start);

}  // namespace tallowmere::platform
