#include "support/MemoryFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "runtime/files/ErrorState.h"

namespace tallowmere::fuzzing {

namespace {

class MemoryFile : public runtime::OsFile {
 public:
  MemoryFile(std::string& bytes, std::size_t chunk) : bytes_(bytes), chunk_(chunk) {}

  int readAt(std::int64_t offset, char* buffer, std::size_t capacity, std::size_t& got) override {
    got = 0;
    if (offset < 0) return fail();
    const auto at = static_cast<std::size_t>(offset);
    if (at < bytes_.size()) {
      got = std::min({capacity, bytes_.size() - at, chunk_ == 0 ? capacity : chunk_});
      std::memcpy(buffer, bytes_.data() + at, got);
    }
    return ok();
  }
  int writeAt(std::int64_t offset, const char* data, std::size_t size) override {
    if (offset < 0) return fail();
    const auto at = static_cast<std::size_t>(offset);
    if (bytes_.size() < at + size) bytes_.resize(at + size, '\0');
    std::memcpy(bytes_.data() + at, data, size);
    return ok();
  }
  int truncate(std::int64_t length) override {
    if (length < 0) return fail();
    bytes_.resize(static_cast<std::size_t>(length));
    return ok();
  }
  int size(std::int64_t& bytes) override {
    bytes = static_cast<std::int64_t>(bytes_.size());
    return ok();
  }
  int sync() override { return ok(); }

 private:
  static int ok() {
    runtime::clearError();
    return runtime::ErrorCode::NoError;
  }
  // A negative offset is a driver fault; the fuzzer sees it as an error code it must
  // never get.
  static int fail() {
    runtime::setError(runtime::ErrorCode::OperatingSystemError, EINVAL);
    return runtime::ErrorCode::OperatingSystemError;
  }

  std::string& bytes_;
  std::size_t chunk_;
};

}  // namespace

std::unique_ptr<runtime::OsFile> MemoryFileSystem::open(const std::string&, runtime::FileAccess,
                                                        int& error) {
  error = runtime::ErrorCode::NoError;
  return std::make_unique<MemoryFile>(bytes_, chunk_);
}

int MemoryFileSystem::create(const std::string&) {
  bytes_.clear();
  return runtime::ErrorCode::NoError;
}

FuzzFile splitInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return {0, {}};
  return {static_cast<std::size_t>(data[0] % 64),
          {reinterpret_cast<const char*>(data) + 1, size - 1}};
}

}  // namespace tallowmere::fuzzing
