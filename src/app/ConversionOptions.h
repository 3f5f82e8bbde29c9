#pragma once

#include <cstdint>

namespace tallowmere::app {

// The five corrections as the main window's check boxes hold them: 1 ticked, 0 clear.
struct ConversionOptions {
  std::uint8_t RemoveOrdinals = 0;
  std::uint8_t CorrectHashField = 0;
  std::uint8_t RemoveGuids = 0;
  std::uint8_t CorrectWindowFont = 0;
  std::uint8_t CorrectAT = 0;
};

}  // namespace tallowmere::app
