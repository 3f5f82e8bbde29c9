#include "platform/headless/HeadlessClock.h"

#include <algorithm>

namespace tallowmere::platform {

HeadlessClock::HeadlessClock(Mode mode) : mode_(mode), realStart_(steady_.now()) {}

runtime::Hundredths HeadlessClock::elapsedReal() const {
  return mode_ == Mode::RealSkippingWaits ? steady_.now() - realStart_ : 0;
}

runtime::Hundredths HeadlessClock::now() const {
  return elapsedReal() + skipped_;
}

void HeadlessClock::advance(runtime::Hundredths hundredths) {
  skipped_ += std::max<runtime::Hundredths>(hundredths, 0);
}

void HeadlessClock::waitUntil(runtime::Hundredths deadline) {
  advance(deadline - now());
}

}  // namespace tallowmere::platform
