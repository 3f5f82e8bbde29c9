#pragma once

#include "platform/terminal/ByteSource.h"

namespace tallowmere::platform {

// The terminal's input as curses reads it, with the keypad on: key sequences curses knows
// come as its key codes.
class CursesByteSource final : public ByteSource {
 public:
  std::optional<int> next(int milliseconds) override;
  void putBack(int key) override;
};

}  // namespace tallowmere::platform
