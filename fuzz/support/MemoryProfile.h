#pragma once

#include <map>
#include <string>
#include <string_view>

#include "platform/posix/ProfileDocument.h"
#include "runtime/settings/PrivateProfile.h"

namespace tallowmere::fuzzing {

// Settings files kept as parsed documents in memory: the same reading and editing as the
// files on disk, without their temporary files and renames.
class MemoryProfile : public runtime::PrivateProfile {
 public:
  std::string read(std::string_view file, std::string_view section, std::string_view key,
                   std::string_view defaultValue) override;
  void write(std::string_view file, std::string_view section, std::string_view key,
             std::string_view value) override;
  void remove(std::string_view file, std::string_view section, std::string_view key) override;

  void load(std::string_view file, std::string_view text);
  std::string text(std::string_view file) const;

 private:
  std::map<std::string, platform::ProfileDocument, std::less<>> files_;
};

}  // namespace tallowmere::fuzzing
