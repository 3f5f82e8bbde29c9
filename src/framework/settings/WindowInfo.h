#pragma once

#include <cstdint>
#include <limits>

namespace tallowmere::framework {

// The placement of a window as the settings file keeps it. NoValue marks a number that is
// not stored (a maximized window has no position, a fixed-size one no size).
struct WindowInfo {
  static constexpr std::int32_t NoValue = std::numeric_limits<std::int32_t>::min();

  std::int32_t X = NoValue;
  std::int32_t Y = NoValue;
  std::int32_t Width = NoValue;
  std::int32_t Height = NoValue;
  bool Maximized = false;
  bool Minimized = false;
  bool Found = false;  // only when reading: the file held a placement at all
};

}  // namespace tallowmere::framework
