#pragma once

#include <string>

namespace tallowmere::app {

// The JSON report's file. It is written whole or not at all: the text goes to a temporary
// file beside it that takes its name in one step. "-" stands for standard output.
class ReportFile {
 public:
  explicit ReportFile(std::string path) : path_(std::move(path)) {}

  // Whether a file can be made where the report goes; checked before a conversion so that
  // a bad path costs no conversion. On false, problem() says why.
  bool writable();
  bool write(const std::string& text);
  const std::string& problem() const { return problem_; }

 private:
  bool failed();
  bool toStandardOutput() const { return path_ == "-"; }

  std::string path_;
  std::string problem_;
};

}  // namespace tallowmere::app
