#include "platform/posix/PosixOsFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "runtime/files/ErrorState.h"

namespace tallowmere::platform {

PosixOsFile::~PosixOsFile() { ::close(descriptor_); }

int PosixOsFile::fail(int errnum) {
  runtime::setOsError(errnum);
  return runtime::lastError().code;
}

int PosixOsFile::readAt(std::int64_t offset, char* buffer, std::size_t capacity,
                        std::size_t& got) {
  got = 0;
  for (;;) {
    const ssize_t result = ::pread(descriptor_, buffer, capacity, offset);
    if (result >= 0) {
      got = static_cast<std::size_t>(result);
      return runtime::ErrorCode::NoError;
    }
    if (errno != EINTR) return fail(errno);
  }
}

int PosixOsFile::writeAt(std::int64_t offset, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t result = ::pwrite(descriptor_, data, size, offset);
    if (result < 0) {
      if (errno == EINTR) continue;
      if (firstWriteErrno_ == 0) firstWriteErrno_ = errno;
      return fail(errno);
    }
    // A device that accepts nothing would otherwise keep this loop spinning.
    if (result == 0) {
      if (firstWriteErrno_ == 0) firstWriteErrno_ = ENOSPC;
      return fail(ENOSPC);
    }
    data += result;
    size -= static_cast<std::size_t>(result);
    offset += result;
  }
  return runtime::ErrorCode::NoError;
}

int PosixOsFile::truncate(std::int64_t length) {
  while (::ftruncate(descriptor_, length) != 0) {
    if (errno != EINTR) return fail(errno);
  }
  return runtime::ErrorCode::NoError;
}

int PosixOsFile::size(std::int64_t& bytes) {
  struct stat status {};
  if (::fstat(descriptor_, &status) != 0) return fail(errno);
  bytes = status.st_size;
  return runtime::ErrorCode::NoError;
}

int PosixOsFile::sync() {
  return firstWriteErrno_ == 0 ? runtime::ErrorCode::NoError : fail(firstWriteErrno_);
}

}  // namespace tallowmere::platform
