#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <string_view>

#include "framework/errors/ErrorLogInterface.h"
#include "runtime/files/FileSystem.h"

namespace tallowmere::framework {

// The reporter's own log: "QorError.Log" in the working folder, one text line per shown
// message. Opens and closes are counted, so nested users share one open file.
class StandardErrorLogClass : public ErrorLogInterface {
 public:
  static constexpr std::string_view FileName = "QorError.Log";
  static constexpr std::size_t LineLimit = 1024;

  int Close(bool force) override;
  int Open(bool force) override;
  int Take(std::string_view line) override;

 private:
  std::mutex CritSect;
  int Usage = 0;
  std::unique_ptr<runtime::OsFile> file_;
};

}  // namespace tallowmere::framework
