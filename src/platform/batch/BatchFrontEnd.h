#pragma once

#include <string>

#include "platform/batch/NoUserFrontEnd.h"
#include "platform/common/Console.h"

namespace tallowmere::platform {

// The batch converter's front end: nobody at it, but every pass and message reaches the
// console. On a terminal a progress window shows as an updating bar that fits the terminal's
// width; anywhere else it says one line when it ends, such as "Removing Guids: 100%
// Complete". Message boxes appear as their caption, a colon and their text ("|" starts a new
// line), and a question takes its default button. A quiet one shows messages only.
class BatchFrontEnd : public NoUserFrontEnd {
 public:
  explicit BatchFrontEnd(Console& console, bool quiet = false);

  void drawWindow(const runtime::Window& window) override;
  void closeWindow(const runtime::Window& window) override;
  int showMessageBox(const runtime::MessageBoxRequest& request) override;

 private:
  void drawProgress(const runtime::Window& window, const runtime::ProgressRole& role);
  void endOpenLine();

  Console& console_;
  bool quiet_;
  bool lineOpen_ = false;
};

}  // namespace tallowmere::platform
