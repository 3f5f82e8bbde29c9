#pragma once

#include <cstdint>

#include "runtime/ui/WindowDescription.h"

namespace tallowmere::framework {

// The controls of the progress window every process procedure shows.
inline constexpr int Progress_Thermometer = 1;
inline constexpr int Progress_UserString = 2;
inline constexpr int Progress_PctText = 3;
inline constexpr int Progress_Cancel = 4;

// The progress window, its bar bound to thermometer (0..100), which must outlive the
// open window.
runtime::WindowDescription ProgressWindow(std::uint8_t& thermometer);

}  // namespace tallowmere::framework
