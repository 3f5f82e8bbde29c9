#include "framework/process/Percentage.h"

namespace tallowmere::framework {

std::uint8_t percentOf(std::int64_t part, std::int64_t whole) {
  if (whole <= 0 || part <= 0) return 0;
  if (part >= whole) return 100;
  // part * 100 can pass 2^63; 128 bits hold it exactly.
  const unsigned __int128 hundredfold = static_cast<unsigned __int128>(part) * 100;
  return static_cast<std::uint8_t>(hundredfold / static_cast<unsigned __int128>(whole));
}

}  // namespace tallowmere::framework
