#include "platform/posix/PosixOsFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/PosixErrors.h"
#include "platform/posix/PosixIo.h"
#include "runtime/files/ErrorState.h"

namespace tallowmere::platform {

PosixOsFile::~PosixOsFile() { ::close(descriptor_); }

int PosixOsFile::readAt(std::int64_t offset, char* buffer, std::size_t capacity,
                        std::size_t& got) {
  got = 0;
  for (;;) {
    const ssize_t result = ::pread(descriptor_, buffer, capacity, offset);
    if (result >= 0) {
      got = static_cast<std::size_t>(result);
      return runtime::ErrorCode::NoError;
    }
    if (errno != EINTR) return reportErrno(errno);
  }
}

int PosixOsFile::writeAt(std::int64_t offset, const char* data, std::size_t size) {
  const int error = writeFully(descriptor_, offset, data, size);
  if (error == 0) return runtime::ErrorCode::NoError;
  if (firstWriteErrno_ == 0) firstWriteErrno_ = error;
  return reportErrno(error);
}

int PosixOsFile::truncate(std::int64_t length) {
  while (::ftruncate(descriptor_, length) != 0) {
    if (errno != EINTR) return reportErrno(errno);
  }
  return runtime::ErrorCode::NoError;
}

int PosixOsFile::size(std::int64_t& bytes) {
  struct stat status {};
  if (::fstat(descriptor_, &status) != 0) return reportErrno(errno);
  bytes = status.st_size;
  return runtime::ErrorCode::NoError;
}

int PosixOsFile::sync() {
  return firstWriteErrno_ == 0 ? runtime::ErrorCode::NoError : reportErrno(firstWriteErrno_);
}

}  // namespace tallowmere::platform
