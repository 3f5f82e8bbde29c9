#pragma once

#include <deque>
#include <vector>

#include "runtime/core/PlatformServices.h"
#include "runtime/ui/MessageBox.h"

namespace tallowmere::testing {

// Stands in for the front end's message boxes while it lives: keeps every box shown,
// answers with the queued buttons (the box's default once none are left) and writes each
// box to standard error, where death tests can match the last words of a dying process.
class RecordingMessageBox : public runtime::MessageBoxPort {
 public:
  int showMessageBox(const runtime::MessageBoxRequest& request) override;

  void answer(int button) { answers_.push_back(button); }
  const std::vector<runtime::MessageBoxRequest>& shown() const { return shown_; }

 private:
  runtime::ScopedServices installed_{{.messageBoxes = this}};
  std::vector<runtime::MessageBoxRequest> shown_;
  std::deque<int> answers_;
};

}  // namespace tallowmere::testing
