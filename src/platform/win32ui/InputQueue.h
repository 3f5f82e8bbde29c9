#pragma once

#include <deque>
#include <optional>

#include "runtime/ui/FrontEnd.h"

namespace tallowmere::platform {

// What the user did to one window, kept in order until the engine takes it.
class InputQueue {
 public:
  void push(const runtime::Input& input) { inputs_.push_back(input); }
  std::optional<runtime::Input> take();
  bool empty() const { return inputs_.empty(); }
  // Whether a press of the control waits to be taken.
  bool pressWaits(int control) const;

 private:
  std::deque<runtime::Input> inputs_;
};

}  // namespace tallowmere::platform
