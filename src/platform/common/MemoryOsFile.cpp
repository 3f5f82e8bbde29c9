#include "platform/common/MemoryOsFile.h"

#include <algorithm>
#include <cstring>

#include "runtime/files/ErrorState.h"

namespace tallowmere::platform {

namespace {

int ok() {
  runtime::clearError();
  return runtime::ErrorCode::NoError;
}

// A negative offset is a driver fault; the fuzzer sees it as an error code it must never
// get.
int fail() {
  return runtime::setError(runtime::ErrorCode::OperatingSystemError,
                           runtime::SystemError{22, "Invalid argument"});
}

}  // namespace

int MemoryOsFile::readAt(std::int64_t offset, char* buffer, std::size_t capacity,
                         std::size_t& got) {
  got = 0;
  if (offset < 0) return fail();
  const auto at = static_cast<std::size_t>(offset);
  if (at < bytes_->size()) {
    got = std::min({capacity, bytes_->size() - at, chunk_ == 0 ? capacity : chunk_});
    std::memcpy(buffer, bytes_->data() + at, got);
  }
  return ok();
}

int MemoryOsFile::writeAt(std::int64_t offset, const char* data, std::size_t size) {
  if (offset < 0) return fail();
  const auto at = static_cast<std::size_t>(offset);
  if (bytes_->size() < at + size) bytes_->resize(at + size, '\0');
  std::memcpy(bytes_->data() + at, data, size);
  return ok();
}

int MemoryOsFile::truncate(std::int64_t length) {
  if (length < 0) return fail();
  bytes_->resize(static_cast<std::size_t>(length));
  return ok();
}

int MemoryOsFile::size(std::int64_t& bytes) {
  bytes = static_cast<std::int64_t>(bytes_->size());
  return ok();
}

int MemoryOsFile::sync() {
  return ok();
}

}  // namespace tallowmere::platform
