#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "runtime/ui/MessageBox.h"

namespace tallowmere::platform {

// The buttons a message box offers, in the order shown, and its answers, the same in every
// front end: the default button has the focus at first (the first button when the box does
// not offer it); Enter or Space takes the focused button; Tab and the arrows move the focus;
// Y and N answer a question; Esc, Ctrl-C and the close box answer No when the box has a No
// button and OK otherwise.
class MessageBoxChoice {
 public:
  explicit MessageBoxChoice(const runtime::MessageBoxRequest& request);

  const std::vector<int>& buttons() const { return buttons_; }
  int focusedButton() const { return buttons_[focus_]; }
  // The button a key (a runtime::Key code) answers, if it answers one.
  std::optional<int> answerKey(int key);
  int escapeAnswer() const;

 private:
  std::optional<std::size_t> indexOf(int button) const;

  std::vector<int> buttons_;
  std::size_t focus_ = 0;
};

}  // namespace tallowmere::platform
