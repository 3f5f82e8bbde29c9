#pragma once

#include <string_view>

#include "framework/core/Levels.h"
#include "runtime/files/File.h"

namespace tallowmere::txa {

// Keeps an in-memory table in step with a file on disk. This program only uses the load at
// start-up, which empties the table and makes sure the disk file exists; it never saves
// the table back, so the kill writes nothing.
class FileSynchronizationClass {
 public:
  void Init(runtime::File& target, runtime::File& disk);
  // Empties the target, then copies the disk file's records into it when the disk file
  // reports any (a text file reports none). Failures are shown in a message box and end
  // the load; the result says whether it ran to its end.
  framework::Level Load();
  framework::Level Kill();

 private:
  bool Reset();
  bool openTarget();
  bool openDisk();
  void copyFromDisk();
  // Shows text with the error at hand under caption.
  static void report(std::string text, std::string_view caption);
  std::string memoryFileDetail() const;

  runtime::File* target_ = nullptr;
  runtime::File* disk_ = nullptr;
  bool initialised_ = false;
};

}  // namespace tallowmere::txa
