#include "framework/process/PercentCache.h"

namespace tallowmere::framework {

void PercentCache::refill(std::int64_t part, std::int64_t whole) {
  whole_ = whole;
  from_ = part;
  percentage_ = framework::percentOf(part, whole);
  until_ = std::numeric_limits<std::int64_t>::max();
  if (whole <= 0 || percentage_ == 100) return;
  // percentOf grows with part and reaches 100 at whole: search (part, whole] for the
  // least count that gives more.
  std::int64_t low = part + 1;
  std::int64_t high = whole;
  while (low < high) {
    const std::int64_t middle = low + (high - low) / 2;
    if (framework::percentOf(middle, whole) > percentage_) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  until_ = low;
}

}  // namespace tallowmere::framework
