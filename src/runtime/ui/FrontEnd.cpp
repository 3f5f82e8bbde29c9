#include "runtime/ui/FrontEnd.h"

namespace tallowmere::runtime {

namespace {
FrontEnd* installed = nullptr;
}

void installFrontEnd(FrontEnd* frontEnd) {
  installed = frontEnd;
  installMessageBoxPort(frontEnd);
}

FrontEnd* frontEnd() { return installed; }

const Clock& clock() {
  static const SteadyClock steady;
  return installed ? installed->clock() : steady;
}

ScopedFrontEnd::ScopedFrontEnd(FrontEnd& frontEnd)
    : previous_(installed), previousMessageBoxPort_(messageBoxPort()) {
  installFrontEnd(&frontEnd);
}

ScopedFrontEnd::~ScopedFrontEnd() {
  installed = previous_;
  installMessageBoxPort(previousMessageBoxPort_);
}

}  // namespace tallowmere::runtime
