#pragma once

#include <string>
#include <string_view>

#include "runtime/core/PerThread.h"

namespace tallowmere::runtime {

// Error codes a file operation can leave behind.
namespace ErrorCode {
inline constexpr int NoError = 0;
inline constexpr int FileNotFound = 2;
inline constexpr int AccessDenied = 5;
inline constexpr int RecordNotAvailable = 33;
inline constexpr int FileNotOpen = 37;
inline constexpr int InvalidKeyFile = 46;
inline constexpr int FileAlreadyOpen = 52;
inline constexpr int FunctionNotSupported = 80;
inline constexpr int OperatingSystemError = 90;  // the driver's code and text say which
}  // namespace ErrorCode

// The operating system's own account of a failure, as its file layer reports it: the
// system's error number and its text in UTF-8.
struct SystemError {
  int number = 0;
  std::string text;
};

// The outcome of the most recent file operation on this thread. Code 90 carries the
// operating system's own error number and text as the driver code and text.
struct ErrorState {
  int code = ErrorCode::NoError;
  std::string text;
  std::string driverCode = "0";
  std::string driverText;
};

const ErrorState& lastError();

namespace detail {
// Whether the outcome held may differ from a plain success. Constant-initialised, so the
// inline check below reads it without the thread-local start-up call.
inline bool& errorHeld() {
  return perThread([] {
    thread_local constinit bool held = false;
    return &held;
  });
}
void forgetError();
}  // namespace detail

// Called before every record operation: the common case, nothing to clear, stays a single
// test in the caller.
inline void clearError() {
  if (detail::errorHeld()) detail::forgetError();
}
// Each setter returns the code it left, so a failing operation can end with
// `return setError(...)`.
int setError(int code);  // text from the table, no driver detail
// Code as given; for code 90 the system's number and text become the driver code and text.
int setError(int code, const SystemError& cause);
std::string_view errorText(int code);
// Leaves a remembered outcome again, for failures that keep being reported.
void restoreError(const ErrorState& state);

}  // namespace tallowmere::runtime
