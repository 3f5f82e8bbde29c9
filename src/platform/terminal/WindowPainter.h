#pragma once

#include "platform/common/ProgressBarText.h"
#include "platform/terminal/ScreenPainter.h"

namespace tallowmere::runtime {
class Window;
}

namespace tallowmere::platform {

// Draws a window with its controls as they are now. Only the active window marks its focus:
// a '>' in front of the control, which is also shown in reverse video.
void paintWindow(ScreenPainter& painter, const runtime::Window& window, const WindowFrame& frame,
                 bool active, Glyphs glyphs);

}  // namespace tallowmere::platform
