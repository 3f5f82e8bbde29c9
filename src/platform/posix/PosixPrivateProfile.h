#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/common/WholeFileProfile.h"

namespace tallowmere::platform {

// Settings files as plain text files. A file named without a folder lives in the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config). Every change replaces the whole
// file through a temporary file and a rename, so a crash never leaves half a settings file;
// a file that cannot be read or written behaves as an empty one, as the calls report no
// errors. A file that exists but cannot be used as settings (a folder, unreadable, far too
// large) reads as empty and is never overwritten: it may be something the user needs.
class PosixPrivateProfile : public WholeFileProfile {
 public:
  static std::filesystem::path locate(std::string_view file);

 protected:
  std::optional<std::string> loadText(std::string_view file) override;
  void saveText(std::string_view file, std::string_view text) override;
};

}  // namespace tallowmere::platform
