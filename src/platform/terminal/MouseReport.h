#pragma once

#include <optional>

#include "platform/terminal/CellGeometry.h"

namespace tallowmere::platform {

// What the left mouse button did, and where on the screen.
struct MouseInput {
  enum class Action { Press, Release, Motion };
  Action action = Action::Press;
  CellPoint at;
};

// The three bytes after ESC [ M of an xterm mouse report: the button code, then the column
// and the row (1-based), each offset by 32. Reports of the other buttons and of the wheel
// mean nothing here.
std::optional<MouseInput> decodeMouseReport(int button, int column, int row);
// The three numbers of an SGR mouse report (ESC [ < button ; column ; row, then M for a
// press or a motion and m for a release): the same button code and positions, without an
// offset and without a limit.
std::optional<MouseInput> decodeSgrMouseReport(int button, int column, int row, bool release);

}  // namespace tallowmere::platform
