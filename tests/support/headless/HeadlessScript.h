#pragma once

#include <optional>
#include <string>

#include "platform/common/UserInput.h"  // what a script's steps do
#include "runtime/ui/Clock.h"
#include "runtime/ui/FrontEnd.h"

namespace tallowmere::platform {

// When a scripted input happens: as soon as every given condition holds for the active
// window. Empty or absent conditions always hold.
struct When {
  std::string window;                     // the active window's caption
  long timerEvents = 0;                   // timer events the active window has had, at least
  std::optional<runtime::Hundredths> at;  // the clock has reached this time
};

// When the window captioned caption is active and has had timerEvents timer events.
When inWindow(std::string caption, long timerEvents = 0);
// When the clock reaches time, in whatever window is active.
When atTime(runtime::Hundredths time);

// One thing the user does, once its moment has come: the input, or a key (a runtime::Key
// code) that does what it does in the active window at that moment.
struct ScriptStep {
  When when;
  runtime::Input input;
  int key = 0;
};

}  // namespace tallowmere::platform
