#include "platform/terminal/MouseReport.h"

namespace tallowmere::platform {

namespace {

constexpr int Offset = 32;
constexpr int ButtonBits = 3;
constexpr int LeftButton = 0;
constexpr int Released = 3;  // an xterm release does not say which button
constexpr int MotionFlag = 32;
constexpr int WheelFlag = 64;         // buttons 4 to 7: the wheel up, down, left and right
constexpr int ExtraButtonFlag = 128;  // buttons 8 to 11: back, forward and two more
constexpr int LargestCode = 255;      // all of the flags above with every modifier

// code as both encodings give it; at 0-based.
std::optional<MouseInput> decode(int code, CellPoint at, bool release) {
  if (code < 0 || code > LargestCode || (code & (WheelFlag | ExtraButtonFlag))) return std::nullopt;
  if (at.column < 0 || at.row < 0) return std::nullopt;
  const int pressed = code & ButtonBits;
  if (code & MotionFlag) {
    if (pressed != LeftButton) return std::nullopt;
    return MouseInput{MouseInput::Action::Motion, at};
  }
  if (release || pressed == Released) return MouseInput{MouseInput::Action::Release, at};
  if (pressed == LeftButton) return MouseInput{MouseInput::Action::Press, at};
  return std::nullopt;
}

}  // namespace

std::optional<MouseInput> decodeMouseReport(int button, int column, int row) {
  return decode(button - Offset, {column - Offset - 1, row - Offset - 1}, false);
}

std::optional<MouseInput> decodeSgrMouseReport(int button, int column, int row, bool release) {
  if (release && (button & ButtonBits) != LeftButton) return std::nullopt;
  return decode(button, {column - 1, row - 1}, release);
}

}  // namespace tallowmere::platform
