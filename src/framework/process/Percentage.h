#pragma once

#include <cstdint>

namespace tallowmere::framework {

// The whole-number percentage part / whole, rounded down and capped at 100; 0 when whole
// is 0. Exact for any non-negative 64-bit values: no intermediate product can overflow.
std::uint8_t percentOf(std::int64_t part, std::int64_t whole);

}  // namespace tallowmere::framework
