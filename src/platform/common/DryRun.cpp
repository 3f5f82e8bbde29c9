#include "platform/common/DryRun.h"

namespace tallowmere::platform {

DryRun::DryRun()
    : files_(runtime::fileSystem()),
      settings_(runtime::privateProfile()),
      installed_({.files = &files_, .settings = &settings_}) {}

bool DryRun::changes(const std::string& input, const std::string& output) {
  // The input as read, not as the run left it: a check in place has replaced its copy.
  return files_.original(input) != files_.contents(output);
}

}  // namespace tallowmere::platform
