#pragma once

#include <string>

#include "platform/common/DryRunFileSystem.h"
#include "platform/common/ReadOnlyProfile.h"
#include "runtime/core/PlatformServices.h"

namespace tallowmere::platform {

// While it lives, a conversion reads the real files and settings but writes only to
// memory; the file system and settings in place before come back when it goes.
class DryRun {
 public:
  DryRun();

  // Whether output, as the conversion left it, would differ from the bytes input held
  // when it was read.
  bool changes(const std::string& input, const std::string& output);

 private:
  DryRunFileSystem files_;
  ReadOnlyProfile settings_;
  runtime::ScopedServices installed_;
};

}  // namespace tallowmere::platform
