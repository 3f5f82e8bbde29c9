#include "runtime/ui/FrontEnd.h"

namespace tallowmere::runtime {

FrontEnd* frontEnd() {
  return platformServices().frontEnd;
}

std::vector<std::string> chooseFiles(const FileChoice& choice) {
  FrontEnd* screen = frontEnd();
  return screen ? screen->chooseFiles(choice) : std::vector<std::string>{};
}

const Clock& clock() {
  static const SteadyClock steady;
  const FrontEnd* installed = frontEnd();
  return installed ? installed->clock() : steady;
}

}  // namespace tallowmere::runtime
