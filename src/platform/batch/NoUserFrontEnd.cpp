#include "platform/batch/NoUserFrontEnd.h"

#include "platform/common/UserInput.h"
#include "runtime/ui/Window.h"

namespace tallowmere::platform {

void NoUserFrontEnd::openWindow(runtime::Window& window) {
  if (!window.hasPosition()) window.moveTo({0, 0});
}

std::optional<runtime::Input> NoUserFrontEnd::waitForInput(
    runtime::Window& active, std::optional<runtime::Hundredths> deadline) {
  if (!deadline) {
    unanswered_.waitedInVain(active);
    return platform::inputEnded();
  }
  unanswered_.reset();
  clock_.waitUntil(*deadline);
  return std::nullopt;
}

int NoUserFrontEnd::showMessageBox(const runtime::MessageBoxRequest& request) {
  return request.defaultButton;
}

}  // namespace tallowmere::platform
