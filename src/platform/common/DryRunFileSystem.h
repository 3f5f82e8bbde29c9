#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "platform/common/MemoryOsFile.h"
#include "runtime/files/FileSystem.h"

namespace tallowmere::platform {

// The files of a conversion that must change nothing on the disk: reads go to the real
// files, and everything written (created, emptied, added to, renamed or removed) happens
// to copies in memory, which later reads see.
class DryRunFileSystem : public runtime::FileSystem {
 public:
  explicit DryRunFileSystem(runtime::FileSystem& real) : real_(real) {}

  std::unique_ptr<runtime::OsFile> open(const std::string& path, runtime::FileAccess access,
                                        runtime::FileSharing sharing, int& error) override;
  int create(const std::string& path) override;
  bool replaceable(const std::string&) override { return true; }
  int replace(const std::string& from, const std::string& to) override;
  int remove(const std::string& path) override;

  // What a file would hold now; nothing when it would not be there.
  std::optional<std::string> contents(const std::string& path);
  // What the file holds on the disk, which nothing here changes: what was there to read.
  std::optional<std::string> original(const std::string& path);

 private:
  // The copy in memory of path, made from the real file on first use; null when there is
  // no such file (error then says why).
  SharedBytes copyOf(const std::string& path, int& error);
  // The real file's bytes; nothing when it cannot be read (error then says why).
  std::optional<std::string> onDisk(const std::string& path, int& error);

  runtime::FileSystem& real_;
  std::map<std::string, SharedBytes> copies_;
  std::set<std::string> removed_;
};

}  // namespace tallowmere::platform
