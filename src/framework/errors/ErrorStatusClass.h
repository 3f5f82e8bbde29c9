#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_map>

#include "framework/errors/ErrorEntry.h"

namespace tallowmere::framework {

// What the error reporter knows about the failure at hand, for one thread.
struct ErrorStatus {
  std::string FieldName;
  std::string FileName;
  std::string KeyName;
  std::string MessageText;
  std::string SaveError;
  std::int32_t SaveErrorCode = 0;
  std::string SaveFileError;
  std::string SaveFileErrorCode = "0";
  BufferedError ErrorBuffer{0, " ", " ", 0, {}};
  std::int32_t PrevErrorId = 0;
};

// The error state the reporter works on. Each thread sees its own ErrorStatus, so
// messages raised on different threads never mix their file names or error texts.
class ErrorStatusClass {
 public:
  // Each text of the state holds at most this many characters; longer values are cut.
  static constexpr std::size_t TextLimit = 254;
  static std::string cut(std::string_view text);

  ErrorStatusClass() = default;
  ErrorStatusClass(const ErrorStatusClass&) = delete;
  ErrorStatusClass& operator=(const ErrorStatusClass&) = delete;

  // The calling thread's state, created with its initial values on first use.
  ErrorStatus& current();

 private:
  std::mutex guard_;
  std::unordered_map<std::thread::id, ErrorStatus> states_;
};

}  // namespace tallowmere::framework
