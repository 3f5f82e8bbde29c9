#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/files/FileSystem.h"

namespace tallowmere::platform {

// An open file whose bytes live in a string owned by its file system. Reads hand over at
// most chunk bytes at a time (0: as many as asked for).
class MemoryOsFile : public runtime::OsFile {
 public:
  explicit MemoryOsFile(std::string& bytes, std::size_t chunk = 0) : bytes_(bytes), chunk_(chunk) {}

  int readAt(std::int64_t offset, char* buffer, std::size_t capacity, std::size_t& got) override;
  int writeAt(std::int64_t offset, const char* data, std::size_t size) override;
  int truncate(std::int64_t length) override;
  int size(std::int64_t& bytes) override;
  int sync() override;

 private:
  std::string& bytes_;
  std::size_t chunk_;
};

}  // namespace tallowmere::platform
