#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/common/WholeFileProfile.h"

namespace tallowmere::fuzzing {

// Settings files as texts in memory: the same rules as the files on disk, without their
// temporary files and renames.
class MemoryProfile : public platform::WholeFileProfile {
 public:
  void load(std::string_view file, std::string_view text);
  std::string text(std::string_view file) const;

 protected:
  std::optional<std::string> loadText(std::string_view file) override;
  void saveText(std::string_view file, std::string_view text) override;

 private:
  std::map<std::string, std::string, std::less<>> texts_;
};

}  // namespace tallowmere::fuzzing
