#include "runtime/ui/Halt.h"

#include <string>

#include "runtime/files/ExitHooks.h"
#include "runtime/ui/MessageBox.h"

namespace tallowmere::runtime {

void halt(std::string_view message, int status) {
  if (!message.empty()) {
    messageBox({std::string(message), "Halt", Icon::Information, Button::OK, Button::OK});
  }
  endProcess(status == 0 ? 1 : status);
}

}  // namespace tallowmere::runtime
