#include "platform/headless/HeadlessClock.h"

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
  // A sleep may end early on a signal, and the steady clock counts whole hundredths.
  for (runtime::Hundredths left = deadline - now(); left > 0; left = deadline - now()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(left * 10));
  }
}

}  // namespace tallowmere::platform
