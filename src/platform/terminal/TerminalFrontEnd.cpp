#include "platform/terminal/TerminalFrontEnd.h"

#include <curses.h>

#include <algorithm>
#include <string>
#include <utility>

#include "platform/common/UserInput.h"
#include "platform/terminal/KeyCodes.h"
#include "platform/terminal/MessageBoxDialog.h"
#include "platform/terminal/MouseReportReader.h"
#include "platform/terminal/ScreenPainter.h"
#include "platform/terminal/TextWrap.h"
#include "platform/terminal/WindowFrame.h"
#include "platform/terminal/WindowPainter.h"
#include "runtime/ui/Window.h"

namespace tallowmere::platform {

namespace {

constexpr int MillisecondsPerHundredth = 10;
// Any longer wait is cut into pieces, so the milliseconds always fit curses' int.
constexpr runtime::Hundredths LongestWait = 100 * 60 * 60;

// Wrapped, so the size asked for shows on however narrow a terminal.
void paintTooSmall(ScreenPainter& painter, CellSize needed) {
  const CellSize screen = painter.screen();
  const std::string notice = "Terminal too small: enlarge it to at least " +
                             std::to_string(needed.columns) + " x " + std::to_string(needed.rows) +
                             " (now " + std::to_string(screen.columns) + " x " +
                             std::to_string(screen.rows) + ").";
  int row = 0;
  for (const std::string& line : wrapMessageText(notice, screen.columns)) {
    painter.text({0, row++}, line);
  }
}

bool fits(CellSize size, CellSize screen) {
  return size.columns <= screen.columns && size.rows <= screen.rows;
}

}  // namespace

std::unique_ptr<TerminalFrontEnd> TerminalFrontEnd::start() {
  std::unique_ptr<TerminalSession> session = TerminalSession::start();
  if (!session) return nullptr;
  return std::unique_ptr<TerminalFrontEnd>(new TerminalFrontEnd(std::move(session)));
}

TerminalFrontEnd::TerminalFrontEnd(std::unique_ptr<TerminalSession> session)
    : session_(std::move(session)) {}

TerminalFrontEnd::~TerminalFrontEnd() {
  shutdown();
}

CellSize TerminalFrontEnd::screen() const {
  return session_->screenSize();
}

CellSize TerminalFrontEnd::mainWindowSize() const {
  return windows_.empty() ? CellSize{} : outerSizeOf(*windows_.bottom().window);
}

CellRect TerminalFrontEnd::topArea() const {
  return windows_.areaToCentreOn(CellRect{{}, screen()}, [&](const auto& below) {
    return WindowFrame::of(*below.window, screen()).outer;
  });
}

void TerminalFrontEnd::openWindow(runtime::Window& window) {
  if (!window.hasPosition()) {
    const CellSize size = outerSizeOf(window);
    const CellPoint origin = clampedOnto(centredOver(topArea(), size), size, screen());
    window.moveTo(dialogUnitsFor(origin));
  }
  windows_.push(window);
}

void TerminalFrontEnd::drawWindow(const runtime::Window&) {
  if (running()) redraw();
}

void TerminalFrontEnd::closeWindow(const runtime::Window& window) {
  const bool active = windows_.isTop(window);
  windows_.remove(window);
  if (active) dropTypedAhead();
  // The window below may not have changed, so nothing else would wipe this one away.
  if (running()) redraw();
}

void TerminalFrontEnd::paintWindows(ScreenPainter& painter, bool topActive) const {
  const CellSize size = painter.screen();
  for (const auto& open : windows_) {
    const runtime::Window& window = *open.window;
    const bool active = topActive && windows_.isTop(window);
    paintWindow(painter, window, WindowFrame::of(window, size), active, session_->glyphs());
  }
}

bool TerminalFrontEnd::redraw(const MessageBoxDialog* box) {
  CellSize needed = mainWindowSize();
  if (box) {
    const CellSize boxSize = box->frame().outer.size;
    needed = {std::max(needed.columns, boxSize.columns), std::max(needed.rows, boxSize.rows)};
  }
  ScreenPainter painter(screen());
  painter.clear();
  const bool room = fits(needed, painter.screen());
  if (room) {
    paintWindows(painter, box == nullptr);
    if (box) box->paint(painter);
  } else {
    paintTooSmall(painter, needed);
  }
  painter.show();
  return room;
}

std::optional<int> TerminalFrontEnd::readKey(std::optional<runtime::Hundredths> deadline) {
  if (typedAhead_) return std::exchange(typedAhead_, std::nullopt);
  int wait = -1;
  if (deadline) {
    const runtime::Hundredths left =
        std::clamp<runtime::Hundredths>(*deadline - clock_.now(), 0, LongestWait);
    wait = static_cast<int>(left * MillisecondsPerHundredth);
  }
  return keys_.next(wait);
}

std::optional<runtime::Input> TerminalFrontEnd::keepOnScreen(const runtime::Window& window) const {
  if (!fits(mainWindowSize(), screen())) return std::nullopt;
  const CellPoint shown = WindowFrame::of(window, screen()).outer.origin;
  if (window.hasPosition() && cellsFor(window.position()) == shown) return std::nullopt;
  return platform::moveTo(dialogUnitsFor(shown));
}

std::optional<runtime::Input> TerminalFrontEnd::translate(runtime::Window& active, int key) {
  if (!isMouseReportStart(key)) return input_.fromKey(active, key, screen());
  const std::optional<MouseInput> mouse = readMouseReport(keys_, key);
  if (!mouse) return std::nullopt;
  return input_.fromMouse(active, *mouse, screen());
}

std::optional<runtime::Input> TerminalFrontEnd::waitForInput(
    runtime::Window& active, std::optional<runtime::Hundredths> deadline) {
  // With the screen given back there is nobody to answer: the window closes rather than
  // waits for ever.
  if (!running()) return platform::inputEnded();
  if (auto move = keepOnScreen(active)) return move;
  while (std::optional<int> key = readKey(deadline)) {
    if (*key == KEY_RESIZE) {
      redraw();
      if (auto move = keepOnScreen(active)) return move;
      continue;
    }
    // Until the terminal is large enough again the user cannot see what a key would hit;
    // only Ctrl-C still gets through, as the way out.
    if (!fits(mainWindowSize(), screen()) && *key != ControlC) continue;
    if (auto input = translate(active, *key)) return input;
  }
  // A read that fails at once for ever would otherwise have the window wait again at once.
  if (session_->inputGone()) return platform::inputEnded();
  return std::nullopt;
}

bool TerminalFrontEnd::inputPending(runtime::Window&) {
  if (!running()) return false;
  if (!typedAhead_) typedAhead_ = readKey(clock_.now());
  return typedAhead_.has_value();
}

void TerminalFrontEnd::dropTypedAhead() {
  typedAhead_.reset();
  if (running()) flushinp();
}

int TerminalFrontEnd::answer(MessageBoxDialog& box) {
  while (true) {
    box.place(screen(), topArea());
    const bool room = redraw(&box);
    const std::optional<int> key = readKey(std::nullopt);
    // A wait without a time limit ends without a key only when input is gone for good.
    if (!key) return box.choice().escapeAnswer();
    if (*key == KEY_RESIZE || !room) continue;
    std::optional<int> button;
    if (isMouseReportStart(*key)) {
      const std::optional<MouseInput> mouse = readMouseReport(keys_, *key);
      if (mouse && mouse->action == MouseInput::Action::Press) button = box.answerClick(mouse->at);
    } else {
      button = box.choice().answerKey(neutralKey(*key));
    }
    if (button) return *button;
  }
}

int TerminalFrontEnd::showMessageBox(const runtime::MessageBoxRequest& request) {
  if (!running()) return request.defaultButton;
  MessageBoxDialog box(request);
  const int button = answer(box);
  redraw();
  return button;
}

void TerminalFrontEnd::beep() {
  if (running()) ::beep();
}

void TerminalFrontEnd::shutdown() {
  session_->end();
}

}  // namespace tallowmere::platform
