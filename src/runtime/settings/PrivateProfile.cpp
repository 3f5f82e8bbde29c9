#include "runtime/settings/PrivateProfile.h"

#include <cstdio>
#include <cstdlib>

namespace tallowmere::runtime {

namespace {
PrivateProfile* installed = nullptr;
}

void installPrivateProfile(PrivateProfile& profile) { installed = &profile; }

PrivateProfile& privateProfile() {
  if (installed == nullptr) {
    // As with the file layer: a front end that forgot it cannot do anything useful.
    std::fputs("Tallowmere: no settings store installed\n", stderr);
    std::abort();
  }
  return *installed;
}

}  // namespace tallowmere::runtime
