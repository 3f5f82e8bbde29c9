#include "runtime/ui/MessageBox.h"

#include "runtime/core/PlatformServices.h"

namespace tallowmere::runtime {

int messageBox(const MessageBoxRequest& request) {
  MessageBoxPort* port = platformServices().messageBoxes;
  return port ? port->showMessageBox(request) : request.defaultButton;
}

}  // namespace tallowmere::runtime
