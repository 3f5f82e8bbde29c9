#include "platform/common/UnansweredWaits.h"

#include "runtime/ui/Halt.h"
#include "runtime/ui/Window.h"

namespace tallowmere::platform {

void UnansweredWaits::waitedInVain(const runtime::Window& active) {
  if (++inARow_ > Limit) runtime::halt("No input left for window \"" + active.caption() + "\"");
}

}  // namespace tallowmere::platform
