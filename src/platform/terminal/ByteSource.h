#pragma once

#include <optional>

namespace tallowmere::platform {

// Where the terminal's input is read from, one byte at a time, so that what the terminal
// sends can be decoded without a terminal. A key sequence curses knows (an arrow key, the
// start of a mouse report) comes as one key code above the byte range.
class ByteSource {
 public:
  virtual ~ByteSource() = default;

  // The next byte or key code, waiting at most milliseconds (without a limit when negative);
  // nothing when none came in time.
  virtual std::optional<int> next(int milliseconds) = 0;
  // Gives back what next returned, so that the following next returns it again.
  virtual void putBack(int key) = 0;
};

}  // namespace tallowmere::platform
