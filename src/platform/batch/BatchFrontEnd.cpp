#include "platform/batch/BatchFrontEnd.h"

#include <algorithm>

#include "platform/common/MessageText.h"
#include "platform/common/ProgressBarText.h"
#include "runtime/ui/Window.h"

namespace tallowmere::platform {

namespace {

constexpr int BarWidth = 30;
// A bar narrower than this says too little to be worth its room; the words alone are shown.
constexpr int NarrowestBar = 10;
// Around the bar: "[", "] ".
constexpr int BarFrame = 3;

std::string progressText(const runtime::Window& window, const runtime::ProgressRole& role) {
  return window.text(role.title) + ": " + window.text(role.percent);
}

// The bar and the words within the terminal's width, less its last column, where some
// terminals would already wrap.
std::string fitted(int percent, const std::string& text, int columns) {
  int barWidth = BarWidth;
  if (columns > 0)
    barWidth = std::min(barWidth, columns - 1 - static_cast<int>(text.size()) - BarFrame);
  if (barWidth >= NarrowestBar) {
    return "[" + progressBarText(percent, barWidth, Glyphs::Ascii) + "] " + text;
  }
  return text.substr(0, static_cast<std::size_t>(std::max(columns - 1, 0)));
}

}  // namespace

BatchFrontEnd::BatchFrontEnd(Console& console, bool quiet) : console_(console), quiet_(quiet) {}

void BatchFrontEnd::endOpenLine() {
  if (!lineOpen_) return;
  console_.write("\n");
  lineOpen_ = false;
}

void BatchFrontEnd::drawProgress(const runtime::Window& window, const runtime::ProgressRole& role) {
  const runtime::Control* bar = window.control(role.bar);
  const int percent = bar ? bar->value : 0;
  console_.redrawLine(fitted(percent, progressText(window, role), console_.columns()));
  lineOpen_ = true;
}

void BatchFrontEnd::drawWindow(const runtime::Window& window) {
  if (quiet_ || !console_.isTerminal() || !window.progressRole()) return;
  drawProgress(window, *window.progressRole());
}

void BatchFrontEnd::closeWindow(const runtime::Window& window) {
  const std::optional<runtime::ProgressRole>& role = window.progressRole();
  if (quiet_ || !role) return;
  if (console_.isTerminal()) {
    drawProgress(window, *role);
    endOpenLine();
  } else {
    console_.write(progressText(window, *role) + "\n");
  }
}

int BatchFrontEnd::showMessageBox(const runtime::MessageBoxRequest& request) {
  endOpenLine();
  std::string shown = request.caption + ": ";
  for (const std::string& line : messageLines(request.text)) shown += line + "\n";
  console_.write(shown);
  return NoUserFrontEnd::showMessageBox(request);
}

}  // namespace tallowmere::platform
