#include "support/headless/HeadlessScript.h"

#include <utility>

namespace tallowmere::platform {

When inWindow(std::string caption, long timerEvents) {
  When when;
  when.window = std::move(caption);
  when.timerEvents = timerEvents;
  return when;
}

When atTime(runtime::Hundredths time) {
  When when;
  when.at = time;
  return when;
}

}  // namespace tallowmere::platform
