#pragma once

#include <string>

#include "runtime/files/TemporaryFile.h"

namespace tallowmere::platform {

// A temporary file that stands in for standard input or output in a conversion, which
// reads and writes named files only. It is removed when it goes, and also when the process
// ends abruptly (a halt, a fatal message, a signal). Each system makes and copies it in its
// own way.
class StreamFile {
 public:
  StreamFile();

  const std::string& path() const { return file_.path(); }
  // Copies all of standard input into the file. Empty when it holds text to convert, else
  // why not: it could not be read or made, it is empty, or it is not text (a NUL byte).
  std::string takeStandardInput();
  // Copies the file to standard output; 0 or an errno value for the failure.
  int giveStandardOutput() const;

 private:
  runtime::TemporaryFile file_;
};

}  // namespace tallowmere::platform
