#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "runtime/files/FileSystem.h"

namespace tallowmere::platform {

// A file's bytes in memory, shared by its file system's entry and the files open on it: as
// on a disk, a file removed or replaced while open keeps its bytes until it is closed.
using SharedBytes = std::shared_ptr<std::string>;

// An open file whose bytes live in memory. Reads hand over at most chunk bytes at a time
// (0: as many as asked for).
class MemoryOsFile : public runtime::OsFile {
 public:
  explicit MemoryOsFile(SharedBytes bytes, std::size_t chunk = 0)
      : bytes_(std::move(bytes)), chunk_(chunk) {}

  int readAt(std::int64_t offset, char* buffer, std::size_t capacity, std::size_t& got) override;
  int writeAt(std::int64_t offset, const char* data, std::size_t size) override;
  int truncate(std::int64_t length) override;
  int size(std::int64_t& bytes) override;
  int sync() override;

 private:
  SharedBytes bytes_;
  std::size_t chunk_;
};

}  // namespace tallowmere::platform
