#pragma once

#include <windows.h>

namespace tallowmere::platform {

// What a window needs to know of the monitor it stands on: its scale, in dots per inch, the
// window metrics at that scale, and the part of it that windows may take. The functions that
// tell a monitor's own scale came with later releases of Windows 10; where they are missing,
// every monitor has the scale of the system.
UINT systemDpi();
UINT dpiOfWindow(HWND window);
// The frame around a client rectangle, as AdjustWindowRectEx makes it for the scale.
void adjustFrame(RECT& client, DWORD style, DWORD extendedStyle, UINT dpi);
int systemMetric(int index, UINT dpi);

// The work area of the primary monitor, where a window with nothing below it is centred.
RECT primaryWorkArea();

// The top-left corner at which a window's frame lies on the work area of the monitor nearest
// to it; a window larger than the work area keeps its top-left corner there.
POINT keptOnWorkArea(const RECT& frame);

}  // namespace tallowmere::platform
