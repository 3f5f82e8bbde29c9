#pragma once

#include "runtime/settings/PrivateProfile.h"

namespace tallowmere::platform {

// Settings files that are read as they are and never written: what a program that must
// change nothing on the disk remembers is forgotten when it ends.
class ReadOnlyProfile : public runtime::PrivateProfile {
 public:
  explicit ReadOnlyProfile(runtime::PrivateProfile& real) : real_(real) {}

  std::string read(std::string_view file, std::string_view section, std::string_view key,
                   std::string_view defaultValue) override {
    return real_.read(file, section, key, defaultValue);
  }
  void write(std::string_view, std::string_view, std::string_view, std::string_view) override {}
  void remove(std::string_view, std::string_view, std::string_view) override {}

 private:
  runtime::PrivateProfile& real_;
};

}  // namespace tallowmere::platform
