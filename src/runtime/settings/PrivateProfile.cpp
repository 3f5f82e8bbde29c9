#include "runtime/settings/PrivateProfile.h"

#include "runtime/core/RequiredService.h"

namespace tallowmere::runtime {

namespace {
RequiredService<PrivateProfile> installed("settings store");
}

void installPrivateProfile(PrivateProfile& profile) { installed.install(profile); }

PrivateProfile& privateProfile() { return installed.get(); }

}  // namespace tallowmere::runtime
