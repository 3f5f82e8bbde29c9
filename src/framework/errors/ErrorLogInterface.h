#pragma once

#include <string_view>

namespace tallowmere::framework {

// Where shown messages are logged. Each operation returns 0, or non-zero on failure.
class ErrorLogInterface {
 public:
  virtual ~ErrorLogInterface() = default;
  virtual int Close(bool force) = 0;
  virtual int Open(bool force) = 0;
  virtual int Take(std::string_view line) = 0;
};

}  // namespace tallowmere::framework
