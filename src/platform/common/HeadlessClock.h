#pragma once

#include "runtime/ui/Clock.h"

namespace tallowmere::platform {

// The time base of a front end without a screen (the batch converter's, the test double's).
// Virtual time starts at 0 and moves only when a test
// advances it or a wait is skipped; real time follows the steady clock. With skipping, a
// wait for a deadline jumps straight to it, so timer-driven work never sits idle; the
// waiting mode really sleeps until the deadline, as an interactive front end idles between
// timer events, so the cost of the timer-driven batches can be measured.
class HeadlessClock : public runtime::Clock {
 public:
  enum class Mode { Virtual, RealSkippingWaits, RealWaiting };

  explicit HeadlessClock(Mode mode = Mode::Virtual);

  runtime::Hundredths now() const override;
  // Moves the clock forward, for example by the cost of one record.
  void advance(runtime::Hundredths hundredths);
  // Reaches deadline unless the clock has already passed it: by a jump, or in the waiting
  // mode by sleeping.
  void waitUntil(runtime::Hundredths deadline);

 private:
  runtime::Hundredths elapsedReal() const;

  Mode mode_;
  runtime::SteadyClock steady_;
  runtime::Hundredths realStart_ = 0;
  runtime::Hundredths skipped_ = 0;
};

}  // namespace tallowmere::platform
