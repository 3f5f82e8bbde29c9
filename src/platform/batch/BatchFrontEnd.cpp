#include "platform/batch/BatchFrontEnd.h"

#include <unistd.h>

#include <algorithm>

#include "platform/common/ProgressBarText.h"

namespace tallowmere::platform {

namespace {

constexpr const char* ProgressCaption = "Processing Records";
constexpr int UserStringControl = 2;
constexpr int PercentTextControl = 3;
constexpr int ThermometerControl = 1;
constexpr int BarWidth = 30;

std::string bar(int percent) {
  return "[" + progressBarText(percent, BarWidth, Glyphs::Ascii) + "]";
}

}  // namespace

BatchFrontEnd::BatchFrontEnd(std::FILE* out, bool quiet)
    : HeadlessFrontEnd(HeadlessClock::Mode::RealSkippingWaits),
      out_(out),
      interactive_(::isatty(::fileno(out)) == 1),
      quiet_(quiet) {}

bool BatchFrontEnd::isProgress(const runtime::Window& window) {
  return window.caption() == ProgressCaption;
}

std::string BatchFrontEnd::progressLine(const runtime::Window& window) const {
  return window.text(UserStringControl) + ": " + window.text(PercentTextControl);
}

void BatchFrontEnd::endOpenLine() {
  if (!lineOpen_) return;
  std::fputc('\n', out_);
  lineOpen_ = false;
}

void BatchFrontEnd::drawWindow(const runtime::Window& window) {
  HeadlessFrontEnd::drawWindow(window);
  if (quiet_ || !interactive_ || !isProgress(window)) return;
  const runtime::Control* thermometer = window.control(ThermometerControl);
  const int percent = thermometer ? thermometer->value : 0;
  // Clearing to the end of the line keeps a shorter text from leaving a longer one's tail.
  std::fprintf(out_, "\r%s %s\x1b[K", bar(percent).c_str(), progressLine(window).c_str());
  std::fflush(out_);
  lineOpen_ = true;
}

void BatchFrontEnd::closeWindow(const runtime::Window& window) {
  HeadlessFrontEnd::closeWindow(window);
  if (quiet_ || !isProgress(window)) return;
  if (interactive_) {
    drawWindow(window);
    endOpenLine();
  } else {
    std::fprintf(out_, "%s\n", progressLine(window).c_str());
  }
  std::fflush(out_);
}

int BatchFrontEnd::showMessageBox(const runtime::MessageBoxRequest& request) {
  endOpenLine();
  std::string text = request.text;
  std::replace(text.begin(), text.end(), '|', '\n');
  std::fprintf(out_, "%s: %s\n", request.caption.c_str(), text.c_str());
  std::fflush(out_);
  return HeadlessFrontEnd::showMessageBox(request);
}

}  // namespace tallowmere::platform
