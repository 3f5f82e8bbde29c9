#pragma once

#include <string>

#include "runtime/files/ExitHooks.h"
#include "runtime/files/File.h"

namespace tallowmere::txa {

// Lets the export write its lines to a temporary file beside the output and put that file
// in the output's place in one step when it is done. A run killed part way so leaves the
// output empty, never holding the first part of the lines as if it were all of them; a
// run that ends by a halt or a fatal message removes the temporary, and the next export
// removes one that a killed run left.
class StagedOutput {
 public:
  explicit StagedOutput(runtime::File& file) : file_(file) {}
  ~StagedOutput();
  StagedOutput(const StagedOutput&) = delete;
  StagedOutput& operator=(const StagedOutput&) = delete;

  // Points the file at a fresh temporary. It stays on the output itself when the output
  // cannot be written (the open that follows then reports why, as it always has), cannot
  // be replaced as a whole (a link or a device), or no temporary can be made beside it.
  void stage(bool outputWritable);
  // Puts the temporary, flushed by the caller, in the output's place; 0 or an error code.
  int commit();

  static std::string temporaryName(const std::string& output);

 private:
  bool staged() const { return !output_.empty(); }
  void unstage();

  runtime::File& file_;
  std::string output_;  // while staged: the output's name; the file carries the temporary's
  runtime::ExitHooks::Token removeAtExit_ = 0;
};

}  // namespace tallowmere::txa
