#pragma once

#include <string>

#include "runtime/files/ExitHooks.h"

namespace tallowmere::platform {

// A temporary file that stands in for standard input or output in a conversion, which
// reads and writes named files only. It is removed when it goes, and also when the process
// ends abruptly (a halt or a fatal message). Each system makes and copies it in its own way.
class StreamFile {
 public:
  StreamFile();
  ~StreamFile();
  StreamFile(const StreamFile&) = delete;
  StreamFile& operator=(const StreamFile&) = delete;

  const std::string& path() const { return path_; }
  // Copies all of standard input into the file. Empty when it holds text to convert, else
  // why not: it could not be read or made, it is empty, or it is not text (a NUL byte).
  std::string takeStandardInput();
  // Copies the file to standard output; 0 or an errno value for the failure.
  int giveStandardOutput() const;

 private:
  std::string path_;
  runtime::ExitHooks::Token removeAtExit_ = 0;
};

}  // namespace tallowmere::platform
