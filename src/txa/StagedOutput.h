#pragma once

#include <optional>
#include <string>

#include "runtime/files/AtomicFile.h"
#include "runtime/files/File.h"

namespace tallowmere::txa {

// Lets the export write its lines to a temporary file beside the output and put that file
// in the output's place in one step when it is done. A run killed part way so leaves the
// output empty, never holding the first part of the lines as if it were all of them; a
// run that ends by a halt, a fatal message or a signal removes the temporary, and the next
// export removes one that a killed run left.
class StagedOutput {
 public:
  explicit StagedOutput(runtime::File& file) : file_(file) {}
  ~StagedOutput();
  StagedOutput(const StagedOutput&) = delete;
  StagedOutput& operator=(const StagedOutput&) = delete;

  // Points the file at a fresh temporary. It stays on the output itself when the output
  // cannot be written (the open that follows then reports why, as it always has), cannot
  // be replaced as a whole (a link, a device, or a file another program holds open so that
  // it cannot be deleted), or no temporary can be made beside it.
  void stage(bool outputWritable);
  // Puts the temporary, flushed by the caller, in the output's place; where that fails, as
  // when another program opened the output meanwhile, writes the lines into the output in
  // place instead. 0 on success; when neither works it halts, naming the file and where the
  // converted lines were kept.
  int commit();

 private:
  int writeInPlace();
  void haltKeepingLines(int error);

  runtime::File& file_;
  std::optional<runtime::AtomicFile> staged_;
};

}  // namespace tallowmere::txa
