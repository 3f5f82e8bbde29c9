#include "platform/common/MessageBoxChoice.h"

#include <algorithm>

#include "runtime/ui/KeyCodes.h"

namespace tallowmere::platform {

namespace {

std::vector<int> buttonsOf(int mask) {
  std::vector<int> buttons;
  for (int button : {runtime::Button::OK, runtime::Button::Yes, runtime::Button::No}) {
    if (mask & button) buttons.push_back(button);
  }
  if (buttons.empty()) buttons.push_back(runtime::Button::OK);
  return buttons;
}

}  // namespace

MessageBoxChoice::MessageBoxChoice(const runtime::MessageBoxRequest& request)
    : buttons_(buttonsOf(request.buttons)) {
  focus_ = indexOf(request.defaultButton).value_or(0);
}

std::optional<std::size_t> MessageBoxChoice::indexOf(int button) const {
  auto found = std::find(buttons_.begin(), buttons_.end(), button);
  if (found == buttons_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - buttons_.begin());
}

int MessageBoxChoice::escapeAnswer() const {
  return indexOf(runtime::Button::No) ? runtime::Button::No : runtime::Button::OK;
}

std::optional<int> MessageBoxChoice::answerKey(int key) {
  const std::size_t count = buttons_.size();
  switch (key) {
    case runtime::Key::Enter:
    case runtime::Key::Space:
      return focusedButton();
    case runtime::Key::Esc:
    case runtime::Key::CtrlC:
      return escapeAnswer();
    case runtime::Key::Tab:
    case runtime::Key::Right:
    case runtime::Key::Down:
      focus_ = (focus_ + 1) % count;
      return std::nullopt;
    case runtime::Key::ShiftTab:
    case runtime::Key::Left:
    case runtime::Key::Up:
      focus_ = (focus_ + count - 1) % count;
      return std::nullopt;
    case 'Y':
      if (indexOf(runtime::Button::Yes)) return runtime::Button::Yes;
      return std::nullopt;
    case 'N':
      if (indexOf(runtime::Button::No)) return runtime::Button::No;
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

}  // namespace tallowmere::platform
