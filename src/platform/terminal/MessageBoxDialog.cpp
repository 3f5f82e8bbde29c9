#include "platform/terminal/MessageBoxDialog.h"

#include <algorithm>
#include <utility>

#include "platform/terminal/CellText.h"
#include "platform/terminal/ControlLayout.h"
#include "platform/terminal/TextWrap.h"

namespace tallowmere::platform {

namespace {

constexpr int WidestText = 60;
constexpr int NarrowestText = 16;
constexpr int MarkWidth = 3;                   // "[i]" or "[!]"
constexpr int TextColumn = 1 + MarkWidth + 1;  // in the client area: blank, mark, blank
constexpr int ButtonGap = 2;

const char* nameOf(int button) {
  switch (button) {
    case runtime::Button::Yes:
      return "Yes";
    case runtime::Button::No:
      return "No";
    default:
      return "OK";
  }
}

std::string faceOf(int button) {
  return buttonFace(nameOf(button));
}

int rowWidth(const std::vector<int>& buttons) {
  int width = 0;
  for (int button : buttons) width += static_cast<int>(faceOf(button).size()) + ButtonGap;
  return width - ButtonGap;
}

int longest(const std::vector<std::string>& lines) {
  int width = 0;
  for (const std::string& line : lines) width = std::max(width, cellsOf(line));
  return width;
}

}  // namespace

MessageBoxDialog::MessageBoxDialog(runtime::MessageBoxRequest request)
    : request_(std::move(request)), choice_(request_) {}

void MessageBoxDialog::place(CellSize screen, const CellRect& area) {
  const int textRoom = std::clamp(screen.columns - 2 - TextColumn - 3, NarrowestText, WidestText);
  lines_ = wrapMessageText(request_.text, textRoom);
  const int captionRoom = cellsOf(shownText(request_.caption)) + 8;
  const int clientColumns =
      std::max({TextColumn + longest(lines_) + 2, captionRoom, rowWidth(choice_.buttons()) + 4});
  // Blank row, the text, blank row, the buttons.
  const int clientRows = static_cast<int>(lines_.size()) + 3;
  const CellSize size = outerSize({clientColumns, clientRows});
  frame_ = {{clampedOnto(centredOver(area, size), size, screen), size}};
}

std::vector<MessageBoxDialog::PlacedButton> MessageBoxDialog::placedButtons() const {
  const CellPoint client = frame_.clientOrigin();
  const int row = client.row + static_cast<int>(lines_.size()) + 2;
  int column = client.column + (frame_.clientSize().columns - rowWidth(choice_.buttons())) / 2;
  std::vector<PlacedButton> placed;
  for (int button : choice_.buttons()) {
    const int width = static_cast<int>(faceOf(button).size());
    placed.push_back({button, {{column, row}, {width, 1}}});
    column += width + ButtonGap;
  }
  return placed;
}

void MessageBoxDialog::paint(ScreenPainter& painter, bool active) const {
  painter.frame(frame_, request_.caption, active);
  const CellPoint client = frame_.clientOrigin();
  const bool warning = request_.icon == runtime::Icon::Warning;
  painter.text({client.column + 1, client.row + 1}, warning ? "[!]" : "[i]");
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    painter.text({client.column + TextColumn, client.row + 1 + static_cast<int>(i)}, lines_[i]);
  }
  for (const PlacedButton& placed : placedButtons()) {
    painter.controlLabel(placed.area.origin, faceOf(placed.button),
                         active && placed.button == choice_.focusedButton());
  }
}

std::optional<int> MessageBoxDialog::answerClick(CellPoint at) const {
  if (frame_.closeBox().contains(at)) return choice_.escapeAnswer();
  for (const PlacedButton& placed : placedButtons()) {
    if (placed.area.contains(at)) return placed.button;
  }
  return std::nullopt;
}

}  // namespace tallowmere::platform
