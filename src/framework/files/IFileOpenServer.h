#pragma once

#include <cstdint>

namespace tallowmere::framework {

// Performs the physical open and close of one file on behalf of its file managers, so that
// a file shared by the whole process is opened once however many managers use it.
class IFileOpenServer {
 public:
  virtual ~IFileOpenServer() = default;
  // Returns 0 when the file is open afterwards, else the runtime error code.
  virtual std::int32_t OpenFile(std::uint8_t mode) = 0;
  virtual std::int32_t CloseFile() = 0;
  virtual void Link() = 0;
  // Drops one link; returns how many remain.
  virtual std::int32_t Release() = 0;
};

}  // namespace tallowmere::framework
