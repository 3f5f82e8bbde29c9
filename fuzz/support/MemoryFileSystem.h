#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "runtime/files/FileSystem.h"

namespace tallowmere::fuzzing {

// Every path names the same bytes in memory. Reads hand over at most chunk bytes at a
// time, so a driver's block boundaries fall wherever the fuzzer wants them instead of
// only every megabyte.
class MemoryFileSystem : public runtime::FileSystem {
 public:
  MemoryFileSystem(std::string_view bytes, std::size_t chunk)
      : bytes_(std::make_shared<std::string>(bytes)), chunk_(chunk) {}

  std::unique_ptr<runtime::OsFile> open(const std::string& path, runtime::FileAccess access,
                                        runtime::FileSharing sharing, int& error) override;
  int create(const std::string& path) override;
  // One file under every name: nothing to move or remove, and no name is replaced whole.
  bool replaceable(const std::string&) override { return false; }
  int replace(const std::string&, const std::string&) override { return 0; }
  int remove(const std::string&) override { return 0; }

 private:
  std::shared_ptr<std::string> bytes_;
  std::size_t chunk_;
};

// The first byte of a fuzz input chooses the read chunk (0: whole blocks), the rest is
// the file.
struct FuzzFile {
  std::size_t chunk;
  std::string_view bytes;
};
FuzzFile splitInput(const std::uint8_t* data, std::size_t size);

}  // namespace tallowmere::fuzzing
