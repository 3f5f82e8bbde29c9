#include "platform/common/DryRun.h"

namespace tallowmere::platform {

DryRun::DryRun()
    : realFiles_(runtime::fileSystem()),
      realSettings_(runtime::privateProfile()),
      files_(realFiles_),
      settings_(realSettings_) {
  runtime::installFileSystem(files_);
  runtime::installPrivateProfile(settings_);
}

DryRun::~DryRun() {
  runtime::installFileSystem(realFiles_);
  runtime::installPrivateProfile(realSettings_);
}

bool DryRun::changes(const std::string& input, const std::string& output) {
  return files_.contents(input) != files_.contents(output);
}

}  // namespace tallowmere::platform
