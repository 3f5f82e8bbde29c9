#include "framework/process/Percentage.h"

namespace tallowmere::framework {

namespace {

constexpr std::uint64_t Hundred = 100;

// floor(part * 100 / whole) for part < whole, by binary long multiplication: the product
// is kept as quotient and remainder of whole, and the remainder stays below whole, so
// doubling it or adding part (both below 2^63) fits 64 bits.
std::uint64_t hundredfoldQuotient(std::uint64_t part, std::uint64_t whole) {
  std::uint64_t quotient = 0;
  std::uint64_t remainder = 0;
  for (int bit = 6; bit >= 0; --bit) {
    quotient *= 2;
    remainder *= 2;
    if (remainder >= whole) {
      remainder -= whole;
      ++quotient;
    }
    if ((Hundred >> bit) & 1) {
      remainder += part;
      if (remainder >= whole) {
        remainder -= whole;
        ++quotient;
      }
    }
  }
  return quotient;
}

}  // namespace

std::uint8_t percentOf(std::int64_t part, std::int64_t whole) {
  if (whole <= 0 || part <= 0) return 0;
  if (part >= whole) return static_cast<std::uint8_t>(Hundred);
  return static_cast<std::uint8_t>(
      hundredfoldQuotient(static_cast<std::uint64_t>(part), static_cast<std::uint64_t>(whole)));
}

}  // namespace tallowmere::framework
