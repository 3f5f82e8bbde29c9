#include "platform/terminal/MouseReport.h"

namespace tallowmere::platform {

namespace {

constexpr int Offset = 32;
constexpr int ButtonBits = 3;
constexpr int LeftButton = 0;
constexpr int Released = 3;  // the report of a release does not say which button
constexpr int MotionFlag = 32;
constexpr int WheelFlag = 64;

}  // namespace

std::optional<MouseInput> decodeMouseReport(int button, int column, int row) {
  const int code = button - Offset;
  const CellPoint at{column - Offset - 1, row - Offset - 1};
  if (code < 0 || at.column < 0 || at.row < 0 || (code & WheelFlag)) return std::nullopt;
  const int pressed = code & ButtonBits;
  if (code & MotionFlag) {
    if (pressed != LeftButton) return std::nullopt;
    return MouseInput{MouseInput::Action::Motion, at};
  }
  if (pressed == Released) return MouseInput{MouseInput::Action::Release, at};
  if (pressed == LeftButton) return MouseInput{MouseInput::Action::Press, at};
  return std::nullopt;
}

}  // namespace tallowmere::platform
