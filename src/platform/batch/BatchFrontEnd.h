#pragma once

#include <cstdio>
#include <string>

#include "platform/headless/HeadlessFrontEnd.h"

namespace tallowmere::platform {

// The batch converter's front end: no user and no waiting, as the headless one, but every
// pass and message reaches standard error. On a terminal a pass shows an updating bar; on
// anything else it says one line when it ends, such as "Removing Guids: 100% Complete".
// Message boxes appear as their caption, a colon and their text ("|" starts a new line),
// and a question takes its default button. A quiet one shows messages only.
class BatchFrontEnd : public HeadlessFrontEnd {
 public:
  explicit BatchFrontEnd(std::FILE* out = stderr, bool quiet = false);

  void drawWindow(const runtime::Window& window) override;
  void closeWindow(const runtime::Window& window) override;
  int showMessageBox(const runtime::MessageBoxRequest& request) override;

 private:
  static bool isProgress(const runtime::Window& window);
  std::string progressLine(const runtime::Window& window) const;
  void endOpenLine();

  std::FILE* out_;
  bool interactive_;
  bool quiet_;
  bool lineOpen_ = false;
};

}  // namespace tallowmere::platform
