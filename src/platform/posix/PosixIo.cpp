#include "platform/posix/PosixIo.h"

#include <unistd.h>

#include <cerrno>

namespace tallowmere::platform {

int writeFully(int descriptor, std::int64_t offset, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t result = ::pwrite(descriptor, data, size, offset);
    if (result < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (result == 0) return ENOSPC;
    data += result;
    size -= static_cast<std::size_t>(result);
    offset += result;
  }
  return 0;
}

}  // namespace tallowmere::platform
