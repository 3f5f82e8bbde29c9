#pragma once

#include <string>
#include <string_view>

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
  // Whether the input named so can only be read once from start to end, and so is read
  // through a copy: "-" (standard input) and, where the system lets a name stand for one,
  // a pipe or FIFO (/dev/stdin from a pipe, a process substitution).
  static bool readThroughCopy(const std::string& input);
  // Copies all of such an input into the file. Empty when it holds text to convert, else
  // why not: it could not be read or made, it is empty, or it is not text (a NUL byte).
  std::string take(const std::string& input);
  // Copies the file to standard output; empty, or why it could not in the system's words.
  std::string giveStandardOutput() const;

 private:
  runtime::TemporaryFile file_;
};

// Writes bytes to standard output as they are (no line ends changed); empty, or why not in
// the system's own words (a full disk, say).
std::string writeStandardOutput(std::string_view bytes);

}  // namespace tallowmere::platform
