#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/settings/PrivateProfile.h"

namespace tallowmere::platform {

// Settings files whose whole text is read for every call and replaced whole for every
// change, edited as a SettingsText. The rules live here once; a store gives only how
// a file's text is read and how it is replaced.
class WholeFileProfile : public runtime::PrivateProfile {
 public:
  std::string read(std::string_view file, std::string_view section, std::string_view key,
                   std::string_view defaultValue) override;
  void write(std::string_view file, std::string_view section, std::string_view key,
             std::string_view value) override;
  void remove(std::string_view file, std::string_view section, std::string_view key) override;

 protected:
  // The file's text, empty when there is no such file. Nothing when the file exists but
  // cannot serve as settings: it reads as empty and is never replaced.
  virtual std::optional<std::string> loadText(std::string_view file) = 0;
  virtual void saveText(std::string_view file, std::string_view text) = 0;
};

}  // namespace tallowmere::platform
