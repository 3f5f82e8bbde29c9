#include "runtime/files/ErrorState.h"

#include <cerrno>
#include <cstring>

namespace tallowmere::runtime {

namespace {
thread_local ErrorState current;
}

const ErrorState& lastError() { return current; }

void clearError() { current = ErrorState{}; }

std::string_view errorText(int code) {
  switch (code) {
    case ErrorCode::NoError: return "";
    case ErrorCode::FileNotFound: return "File Not Found";
    case ErrorCode::AccessDenied: return "Access Denied";
    case ErrorCode::RecordNotAvailable: return "Record Not Available";
    case ErrorCode::InvalidKeyFile: return "Invalid Key File";
    case ErrorCode::FileAlreadyOpen: return "File Already Open";
    case ErrorCode::OperatingSystemError: return "File System Error";
    default: return "Unknown Error";
  }
}

void setError(int code) {
  current = ErrorState{code, std::string(errorText(code)), "0", ""};
}

void setOsError(int errnum) {
  switch (errnum) {
    case ENOENT: setError(ErrorCode::FileNotFound); return;
    case EACCES:
    case EPERM:
    case EROFS: setError(ErrorCode::AccessDenied); return;
    default:
      current = ErrorState{ErrorCode::OperatingSystemError,
                           std::string(errorText(ErrorCode::OperatingSystemError)),
                           std::to_string(errnum), std::strerror(errnum)};
  }
}

}  // namespace tallowmere::runtime
