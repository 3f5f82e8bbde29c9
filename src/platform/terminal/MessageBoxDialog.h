#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/common/MessageBoxChoice.h"
#include "platform/terminal/Overlay.h"
#include "runtime/ui/MessageBox.h"

namespace tallowmere::platform {

// One message box on the screen: its layout for the current screen size, its drawing and
// the answers to keys (as MessageBoxChoice gives them) and clicks.
class MessageBoxDialog final : public Overlay {
 public:
  explicit MessageBoxDialog(runtime::MessageBoxRequest request);

  // Lays the box out for screen and centres it over area.
  void place(CellSize screen, const CellRect& area);
  const WindowFrame& frame() const override { return frame_; }
  void paint(ScreenPainter& painter, bool active) const override;

  MessageBoxChoice& choice() { return choice_; }
  // The button a click at a screen point answers, if it answers one.
  std::optional<int> answerClick(CellPoint at) const;

 private:
  struct PlacedButton {
    int button;
    CellRect area;  // on the screen
  };

  std::vector<PlacedButton> placedButtons() const;

  runtime::MessageBoxRequest request_;
  MessageBoxChoice choice_;
  std::vector<std::string> lines_;
  WindowFrame frame_;
};

}  // namespace tallowmere::platform
