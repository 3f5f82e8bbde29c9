#include "platform/common/DryRun.h"

namespace tallowmere::platform {

DryRun::DryRun()
    : files_(runtime::fileSystem()),
      settings_(runtime::privateProfile()),
      installed_({.files = &files_, .settings = &settings_}) {}

bool DryRun::changes(const std::string& input, const std::string& output) {
  return files_.contents(input) != files_.contents(output);
}

}  // namespace tallowmere::platform
