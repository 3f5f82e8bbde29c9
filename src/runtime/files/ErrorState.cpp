#include "runtime/files/ErrorState.h"

#include <utility>

namespace tallowmere::runtime {

namespace {

ErrorState& current() {
  return perThread([] {
    thread_local ErrorState state;
    return &state;
  });
}

void hold(ErrorState state) {
  current() = std::move(state);
  detail::errorHeld() = true;
}

}  // namespace

namespace detail {

void forgetError() {
  current() = ErrorState{};
  errorHeld() = false;
}

}  // namespace detail

const ErrorState& lastError() { return current(); }

std::string_view errorText(int code) {
  switch (code) {
    case ErrorCode::NoError: return "";
    case ErrorCode::FileNotFound: return "File Not Found";
    case ErrorCode::AccessDenied: return "Access Denied";
    case ErrorCode::RecordNotAvailable: return "Record Not Available";
    case ErrorCode::FileNotOpen: return "File Not Open";
    case ErrorCode::InvalidKeyFile: return "Invalid Key File";
    case ErrorCode::FileAlreadyOpen: return "File Already Open";
    case ErrorCode::FunctionNotSupported: return "Function Not Supported";
    case ErrorCode::OperatingSystemError: return "File System Error";
    default: return "Unknown Error";
  }
}

int setError(int code) {
  hold(ErrorState{code, std::string(errorText(code)), "0", ""});
  return code;
}

int setError(int code, const SystemError& cause) {
  if (code != ErrorCode::OperatingSystemError) return setError(code);
  hold(ErrorState{code, std::string(errorText(code)), std::to_string(cause.number), cause.text});
  return code;
}

void restoreError(const ErrorState& state) { hold(state); }

}  // namespace tallowmere::runtime
