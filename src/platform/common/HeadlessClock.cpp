#include "platform/common/HeadlessClock.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace tallowmere::platform {

HeadlessClock::HeadlessClock(Mode mode) : mode_(mode), realStart_(steady_.now()) {}

runtime::Hundredths HeadlessClock::elapsedReal() const {
  return mode_ == Mode::Virtual ? 0 : steady_.now() - realStart_;
}

runtime::Hundredths HeadlessClock::now() const {
  return elapsedReal() + skipped_;
}

void HeadlessClock::advance(runtime::Hundredths hundredths) {
  skipped_ += std::max<runtime::Hundredths>(hundredths, 0);
}

void HeadlessClock::waitUntil(runtime::Hundredths deadline) {
  if (mode_ != Mode::RealWaiting) {
    advance(deadline - now());
    return;
  }
  // Sleeps until the real moment the clock reaches deadline, not for a count of whole
  // hundredths from a reading that may be most of a hundredth old; again if woken early.
  using HundredthsDuration = std::chrono::duration<runtime::Hundredths, std::centi>;
  const std::chrono::steady_clock::time_point due(
      std::chrono::duration_cast<std::chrono::steady_clock::duration>(
          HundredthsDuration(realStart_ + deadline - skipped_)));
  while (now() < deadline) std::this_thread::sleep_until(due);
}

}  // namespace tallowmere::platform
