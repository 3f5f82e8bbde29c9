#pragma once

#include "runtime/files/FileSystem.h"

namespace tallowmere::platform {

// The operating system's files through the Windows file API. Sharing is enforced by
// Windows: a file another program holds open against ours is refused as access denied.
class WindowsFileSystem : public runtime::FileSystem {
 public:
  std::unique_ptr<runtime::OsFile> open(const std::string& path, runtime::FileAccess access,
                                        runtime::FileSharing sharing, int& error) override;
  int create(const std::string& path) override;
  bool replaceable(const std::string& path) override;
  int replace(const std::string& from, const std::string& to) override;
  int remove(const std::string& path) override;
};

}  // namespace tallowmere::platform
