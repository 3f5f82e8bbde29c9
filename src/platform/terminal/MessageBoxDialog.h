#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/terminal/ScreenPainter.h"
#include "runtime/ui/MessageBox.h"

namespace tallowmere::platform {

// One message box on the screen: its layout for the current screen size, its drawing and
// the answers to keys and clicks. Enter or Space takes the focused button (the default one
// at first); Y and N answer a question; Esc, Ctrl-C and the close box answer No when the
// box has a No button and OK otherwise.
class MessageBoxDialog {
 public:
  explicit MessageBoxDialog(runtime::MessageBoxRequest request);

  // Lays the box out for screen and centres it over area.
  void place(CellSize screen, const CellRect& area);
  const WindowFrame& frame() const { return frame_; }
  void paint(ScreenPainter& painter) const;

  // The button a key (a curses key code) answers, if it answers one.
  std::optional<int> answerKey(int key);
  // The button a click at a screen point answers, if it answers one.
  std::optional<int> answerClick(CellPoint at) const;

  int focusedButton() const { return buttons_[focus_]; }
  // What Esc answers: No when the box has a No button, OK otherwise.
  int escapeAnswer() const;

 private:
  struct PlacedButton {
    int button;
    CellRect area;  // on the screen
  };

  std::optional<int> buttonFor(int button) const;
  std::vector<PlacedButton> placedButtons() const;

  runtime::MessageBoxRequest request_;
  std::vector<int> buttons_;
  std::size_t focus_ = 0;
  std::vector<std::string> lines_;
  WindowFrame frame_;
};

}  // namespace tallowmere::platform
