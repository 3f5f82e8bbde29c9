#pragma once

#include <string>
#include <string_view>

namespace tallowmere::runtime {

// Private-profile settings files: sections in square brackets, then key=value lines.
// Section and key names match without regard to case. The calls report no errors: a
// missing file or section reads as the default, and a write creates what it needs. Where
// a file named without a folder lives is the platform's choice.
class PrivateProfile {
 public:
  virtual ~PrivateProfile() = default;
  virtual std::string read(std::string_view file, std::string_view section, std::string_view key,
                           std::string_view defaultValue) = 0;
  virtual void write(std::string_view file, std::string_view section, std::string_view key,
                     std::string_view value) = 0;
  virtual void remove(std::string_view file, std::string_view section, std::string_view key) = 0;
};

// The platform's settings files, one of the installed platform services.
PrivateProfile& privateProfile();

}  // namespace tallowmere::runtime
