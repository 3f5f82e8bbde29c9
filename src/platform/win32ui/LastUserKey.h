#pragma once

#include <windows.h>

namespace tallowmere::platform {

// The runtime key code (runtime/ui/KeyCodes.h) of the user's last key or mouse button, as the
// message loop saw it go by: the input a window reports for it (a button clicked, a close)
// carries the code, though Windows tells the window only of its effect. The front end's
// message loop notes every message; each of its windows reads the code.
class LastUserKey {
 public:
  void note(const MSG& message);
  int code() const { return code_; }

 private:
  int code_ = 0;
};

}  // namespace tallowmere::platform
