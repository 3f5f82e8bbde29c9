#include "platform/posix/StandardDescriptors.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

namespace tallowmere::platform {

namespace {

bool isClosed(int descriptor) {
  return ::fcntl(descriptor, F_GETFD) == -1 && errno == EBADF;
}

// The lowest free descriptor is the one wanted, as the lower ones are open by now.
bool openNullOn(int descriptor) {
  const int opened = ::open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
  if (opened == descriptor) return true;
  if (opened < 0) return false;
  const bool moved = ::dup2(opened, descriptor) == descriptor;
  ::close(opened);
  return moved;
}

}  // namespace

bool openClosedStandardDescriptors() {
  for (int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (isClosed(descriptor) && !openNullOn(descriptor)) return false;
  }
  return true;
}

}  // namespace tallowmere::platform
