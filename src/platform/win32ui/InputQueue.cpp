#include "platform/win32ui/InputQueue.h"

#include <algorithm>

namespace tallowmere::platform {

std::optional<runtime::Input> InputQueue::take() {
  if (inputs_.empty()) return std::nullopt;
  const runtime::Input input = inputs_.front();
  inputs_.pop_front();
  return input;
}

bool InputQueue::pressWaits(int control) const {
  return std::any_of(inputs_.begin(), inputs_.end(), [&](const runtime::Input& input) {
    return input.kind == runtime::Input::Kind::Accept && input.control == control;
  });
}

}  // namespace tallowmere::platform
