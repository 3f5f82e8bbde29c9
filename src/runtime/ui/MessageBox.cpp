#include "runtime/ui/MessageBox.h"

namespace tallowmere::runtime {

namespace {
MessageBoxPort* installed = nullptr;
}

void installMessageBoxPort(MessageBoxPort* port) { installed = port; }

MessageBoxPort* messageBoxPort() { return installed; }

int messageBox(const MessageBoxRequest& request) {
  return installed ? installed->showMessageBox(request) : request.defaultButton;
}

}  // namespace tallowmere::runtime
