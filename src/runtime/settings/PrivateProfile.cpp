#include "runtime/settings/PrivateProfile.h"

#include "runtime/core/PlatformServices.h"
#include "runtime/core/RequiredService.h"

namespace tallowmere::runtime {

PrivateProfile& privateProfile() {
  return required(platformServices().settings, "settings store");
}

}  // namespace tallowmere::runtime
