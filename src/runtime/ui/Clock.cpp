#include "runtime/ui/Clock.h"

#include <chrono>

namespace tallowmere::runtime {

Hundredths SteadyClock::now() const {
  using HundredthsDuration = std::chrono::duration<Hundredths, std::centi>;
  return std::chrono::duration_cast<HundredthsDuration>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace tallowmere::runtime
