#pragma once

#include <string>

#include "runtime/files/PendingRemovals.h"

namespace tallowmere::runtime {

// A file the program makes for a while and must not leave behind: removed when the object
// goes, and also when a halt, a fatal message or a signal ends the process.
class TemporaryFile {
 public:
  TemporaryFile() = default;
  // Takes charge of path, a file the caller has just made.
  explicit TemporaryFile(std::string path);
  ~TemporaryFile();
  TemporaryFile(TemporaryFile&& other) noexcept;
  TemporaryFile& operator=(TemporaryFile&& other) noexcept;

  const std::string& path() const { return path_; }
  bool held() const { return !path_.empty(); }
  // The file has taken another name, or is to stay: nothing is removed any more.
  void keep();
  // Removes the file now.
  void remove();

 private:
  std::string path_;
  PendingRemovals::Slot slot_ = PendingRemovals::NoSlot;
};

}  // namespace tallowmere::runtime
