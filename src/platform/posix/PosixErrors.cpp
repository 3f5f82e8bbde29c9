#include "platform/posix/PosixErrors.h"

#include <cerrno>
#include <cstring>

#include "runtime/files/ErrorState.h"

namespace tallowmere::platform {

int reportErrno(int errnum) {
  switch (errnum) {
    case ENOENT:
      return runtime::setError(runtime::ErrorCode::FileNotFound);
    case EACCES:
    case EPERM:
    case EROFS:
      return runtime::setError(runtime::ErrorCode::AccessDenied);
    default:
      return runtime::setError(runtime::ErrorCode::OperatingSystemError,
                               runtime::SystemError{errnum, std::strerror(errnum)});
  }
}

}  // namespace tallowmere::platform
