#include "framework/process/PercentCache.h"

namespace tallowmere::framework {

void PercentCache::refill(std::int64_t part, std::int64_t whole) {
  whole_ = whole;
  from_ = part;
  percentage_ = framework::percentOf(part, whole);
  until_ = std::numeric_limits<std::int64_t>::max();
  if (whole <= 0 || percentage_ == 100) return;
  // The percentage first passes percentage_ at ceil(next * whole / 100), which is at most
  // whole; dividing whole by 100 first keeps both products far below 2^63.
  const std::int64_t next = percentage_ + 1;
  until_ = next * (whole / 100) + (next * (whole % 100) + 99) / 100;
}

}  // namespace tallowmere::framework
