#include "support/Broken.h"

#include <cstdio>
#include <cstdlib>

namespace tallowmere::fuzzing {

void Broken::operator()(const char* property) const {
  std::fprintf(stderr, "%s: %s\n", checked_, property);
  std::abort();
}

}  // namespace tallowmere::fuzzing
