#include "support/MemoryFileSystem.h"

#include "platform/common/MemoryOsFile.h"
#include "runtime/files/ErrorState.h"

namespace tallowmere::fuzzing {

std::unique_ptr<runtime::OsFile> MemoryFileSystem::open(const std::string&, runtime::FileAccess,
                                                        runtime::FileSharing, int& error) {
  error = runtime::ErrorCode::NoError;
  return std::make_unique<platform::MemoryOsFile>(bytes_, chunk_);
}

int MemoryFileSystem::create(const std::string&) {
  bytes_->clear();
  return runtime::ErrorCode::NoError;
}

FuzzFile splitInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return {0, {}};
  return {static_cast<std::size_t>(data[0] % 64),
          {reinterpret_cast<const char*>(data) + 1, size - 1}};
}

}  // namespace tallowmere::fuzzing
