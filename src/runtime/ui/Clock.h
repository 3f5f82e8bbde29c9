#pragma once

#include <cstdint>

namespace tallowmere::runtime {

// Time as the windows and the batch loop count it: hundredths of a second.
using Hundredths = std::int64_t;

// A monotonic clock. Front ends supply their own (a test's virtual clock, or real time
// with waiting skipped), so timer-driven work can be checked exactly.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual Hundredths now() const = 0;
};

// Real monotonic time.
class SteadyClock : public Clock {
 public:
  Hundredths now() const override;
};

}  // namespace tallowmere::runtime
