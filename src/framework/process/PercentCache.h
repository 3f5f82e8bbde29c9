#pragma once

#include <cstdint>
#include <limits>

#include "framework/process/Percentage.h"

namespace tallowmere::framework {

// percentOf for a count that grows record by record. The percentage only changes about a
// hundred times in a run, so the cache keeps the range of counts over which the last
// result holds; a count inside it costs two comparisons instead of a long division.
class PercentCache {
 public:
  std::uint8_t percentOf(std::int64_t part, std::int64_t whole) {
    if (whole != whole_ || part < from_ || part >= until_) refill(part, whole);
    return percentage_;
  }

 private:
  void refill(std::int64_t part, std::int64_t whole);

  std::int64_t whole_ = 0;
  // percentOf(p, whole_) is percentage_ for every p in [from_, until_).
  std::int64_t from_ = 0;
  std::int64_t until_ = 0;
  std::uint8_t percentage_ = 0;
};

}  // namespace tallowmere::framework
