#include "runtime/ui/FrontEnd.h"

namespace tallowmere::runtime {

FrontEnd* frontEnd() {
  return platformServices().frontEnd;
}

const Clock& clock() {
  static const SteadyClock steady;
  const FrontEnd* installed = frontEnd();
  return installed ? installed->clock() : steady;
}

}  // namespace tallowmere::runtime
