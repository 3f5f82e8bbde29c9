#pragma once

#include <optional>

#include "platform/terminal/CellGeometry.h"

namespace tallowmere::platform {

// What the left mouse button did, and where on the screen.
struct MouseInput {
  enum class Action { Press, Release, Motion };
  Action action = Action::Press;
  CellPoint at;
  friend bool operator==(const MouseInput&, const MouseInput&) = default;
};

// The three bytes after ESC [ M of an xterm mouse report: the button code, then the column
// and the row (1-based), each offset by 32. Reports of the other buttons (the middle and
// right ones, the wheels, back and forward) mean nothing here, not even with the left
// button's low bits.
std::optional<MouseInput> decodeMouseReport(int button, int column, int row);
// The three numbers of an SGR mouse report (ESC [ < button ; column ; row, then M for a
// press or a motion and m for a release): the same button code and positions, without an
// offset and without a limit.
std::optional<MouseInput> decodeSgrMouseReport(int button, int column, int row, bool release);

}  // namespace tallowmere::platform
