#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/posix/ProfileDocument.h"
#include "runtime/settings/PrivateProfile.h"

namespace tallowmere::platform {

// Settings files as plain text files. A file named without a folder lives in the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config). Every change replaces the whole
// file through a temporary file and a rename, so a crash never leaves half a settings file;
// a file that cannot be read or written behaves as an empty one, as the calls report no
// errors. A file that exists but cannot be used as settings (a folder, unreadable, far too
// large) reads as empty and is never overwritten: it may be something the user needs.
class PosixPrivateProfile : public runtime::PrivateProfile {
 public:
  std::string read(std::string_view file, std::string_view section, std::string_view key,
                   std::string_view defaultValue) override;
  void write(std::string_view file, std::string_view section, std::string_view key,
             std::string_view value) override;
  void remove(std::string_view file, std::string_view section, std::string_view key) override;

  static std::filesystem::path locate(std::string_view file);

 private:
  // Nothing when the file exists but cannot serve as settings.
  static std::optional<ProfileDocument> load(const std::filesystem::path& path);
  static void save(const std::filesystem::path& path, const ProfileDocument& document);
};

}  // namespace tallowmere::platform
