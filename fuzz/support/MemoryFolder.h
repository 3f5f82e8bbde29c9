#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "runtime/files/FileSystem.h"

namespace tallowmere::fuzzing {

// A folder of files in memory, each name its own bytes; a name never written or created
// is not there, as on a disk.
class MemoryFolder : public runtime::FileSystem {
 public:
  std::unique_ptr<runtime::OsFile> open(const std::string& path, runtime::FileAccess access,
                                        runtime::FileSharing sharing, int& error) override;
  int create(const std::string& path) override;
  bool replaceable(const std::string&) override { return true; }
  int replace(const std::string& from, const std::string& to) override;
  int remove(const std::string& path) override;

  void put(const std::string& path, std::string bytes) {
    files_[path] = std::make_shared<std::string>(std::move(bytes));
  }
  std::optional<std::string> get(const std::string& path) const;
  void clear() { files_.clear(); }

 private:
  std::map<std::string, std::shared_ptr<std::string>> files_;
};

}  // namespace tallowmere::fuzzing
