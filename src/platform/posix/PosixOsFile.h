#pragma once

#include "runtime/files/FileSystem.h"

namespace tallowmere::platform {

// One open file descriptor, closed with the object. Reads and writes go to explicit
// offsets, so the drivers never depend on a shared file position.
class PosixOsFile : public runtime::OsFile {
 public:
  explicit PosixOsFile(int descriptor) : descriptor_(descriptor) {}
  ~PosixOsFile() override;
  PosixOsFile(const PosixOsFile&) = delete;
  PosixOsFile& operator=(const PosixOsFile&) = delete;

  int readAt(std::int64_t offset, char* buffer, std::size_t capacity, std::size_t& got) override;
  int writeAt(std::int64_t offset, const char* data, std::size_t size) override;
  int truncate(std::int64_t length) override;
  int size(std::int64_t& bytes) override;
  // Written data is not forced to the disk; what this reports is the first write error met
  // since the file was opened, so a failure cannot slip past the close.
  int sync() override;

 private:
  int descriptor_;
  int firstWriteErrno_ = 0;
};

}  // namespace tallowmere::platform
