#pragma once

#include <string>
#include <string_view>

#include "runtime/settings/PrivateProfile.h"

namespace tallowmere::platform {

// Settings files through the Windows private-profile calls. A file named without a folder
// would land in the Windows folder, which a normal user cannot write on current Windows;
// it lives in the user's roaming application data instead (%APPDATA%\Tallowmere), made
// when missing.
class WindowsPrivateProfile : public runtime::PrivateProfile {
 public:
  std::string read(std::string_view file, std::string_view section, std::string_view key,
                   std::string_view defaultValue) override;
  void write(std::string_view file, std::string_view section, std::string_view key,
             std::string_view value) override;
  void remove(std::string_view file, std::string_view section, std::string_view key) override;

  // The file's full name, its folder made when missing.
  static std::wstring locate(std::string_view file);
};

}  // namespace tallowmere::platform
