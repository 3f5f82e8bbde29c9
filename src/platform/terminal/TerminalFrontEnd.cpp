#include "platform/terminal/TerminalFrontEnd.h"

#include <curses.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

#include "platform/common/UserInput.h"
#include "platform/terminal/FileDialog.h"
#include "platform/terminal/KeyCodes.h"
#include "platform/terminal/MessageBoxDialog.h"
#include "platform/terminal/MouseReportReader.h"
#include "platform/terminal/PastedPaths.h"
#include "platform/terminal/ScreenPainter.h"
#include "platform/terminal/TextWrap.h"
#include "platform/terminal/TypedInput.h"
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

bool isTypedCharacter(int key) {
  constexpr int Delete = 127, LargestByte = 255;
  return key > ' ' && key <= LargestByte && key != Delete;
}

std::string wholeName(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::path whole = std::filesystem::absolute(path, error);
  return (error ? path : whole).lexically_normal().string();
}

bool isThere(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::exists(path, error);
}

// The files a paste names that are there, whole. A paste that is one name as it stands
// (copied from a file manager's location, blanks and all) is taken as that name.
std::vector<std::string> existingFiles(const std::string& pasted) {
  const std::size_t first = pasted.find_first_not_of(" \t\r\n");
  const std::size_t last = pasted.find_last_not_of(" \t\r\n");
  if (first != std::string::npos) {
    const std::string trimmed = pasted.substr(first, last - first + 1);
    if (isThere(trimmed)) return {wholeName(trimmed)};
  }
  std::vector<std::string> files;
  for (const std::string& path : pastedPaths(pasted)) {
    if (isThere(path)) files.push_back(wholeName(path));
  }
  return files;
}

// An overlay on the screen for as long as the object lives.
class ShownOverlay {
 public:
  ShownOverlay(std::vector<const Overlay*>& overlays, const Overlay& overlay)
      : overlays_(overlays) {
    overlays_.push_back(&overlay);
  }
  ~ShownOverlay() { overlays_.pop_back(); }
  ShownOverlay(const ShownOverlay&) = delete;
  ShownOverlay& operator=(const ShownOverlay&) = delete;

 private:
  std::vector<const Overlay*>& overlays_;
};

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

CellRect TerminalFrontEnd::areaUnder(const Overlay& overlay) const {
  const auto at = std::find(overlays_.begin(), overlays_.end(), &overlay);
  if (at == overlays_.begin() || at == overlays_.end()) return topArea();
  return (*std::prev(at))->frame().outer;
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

bool TerminalFrontEnd::redraw() {
  CellSize needed = mainWindowSize();
  for (const Overlay* overlay : overlays_) {
    const CellSize size = overlay->frame().outer.size;
    needed = {std::max(needed.columns, size.columns), std::max(needed.rows, size.rows)};
  }
  ScreenPainter painter(screen());
  painter.clear();
  const bool room = fits(needed, painter.screen());
  if (room) {
    paintWindows(painter, overlays_.empty());
    for (const Overlay* overlay : overlays_) overlay->paint(painter, overlay == overlays_.back());
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
  if (isMouseReportStart(key)) {
    const std::optional<MouseInput> mouse = readMouseReport(keys_, key);
    if (!mouse) return std::nullopt;
    return input_.fromMouse(active, *mouse, screen());
  }
  if (key == PasteStartKey) return givenFiles(readBracketedPaste(keys_));
  if (beginsTypedPath(key)) {
    if (const std::optional<std::string> pasted = readTypedPaste(keys_, key)) {
      return givenFiles(*pasted);
    }
  }
  return input_.fromKey(active, key, screen());
}

std::optional<runtime::Input> TerminalFrontEnd::givenFiles(const std::string& pasted) {
  std::vector<std::string> files = existingFiles(pasted);
  if (files.empty()) {
    beep();
    return std::nullopt;
  }
  return platform::filesGiven(std::move(files));
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
  const ShownOverlay shown(overlays_, box);
  while (true) {
    box.place(screen(), areaUnder(box));
    const bool room = redraw();
    const std::optional<int> key = readKey(std::nullopt);
    // A wait without a time limit ends without a key only when input is gone for good.
    if (!key) return box.choice().escapeAnswer();
    // Pasted text answers nothing, not even with a Y or an N in it.
    if (*key == PasteStartKey) readBracketedPaste(keys_);
    if (*key == KEY_RESIZE || *key == PasteStartKey || !room) continue;
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

std::vector<std::string> TerminalFrontEnd::chooseFiles(const runtime::FileChoice& choice) {
  if (!running()) return {};
  FileDialog dialog(choice);
  std::vector<std::string> chosen = choose(dialog);
  redraw();
  return chosen;
}

std::vector<std::string> TerminalFrontEnd::choose(FileDialog& dialog) {
  const ShownOverlay shown(overlays_, dialog);
  while (true) {
    dialog.place(screen(), areaUnder(dialog));
    const bool room = redraw();
    const std::optional<int> key = readKey(std::nullopt);
    if (!key) return {};
    if (*key == KEY_RESIZE || (!room && *key != ControlC)) continue;
    const FileDialog::Outcome outcome = dialogInput(dialog, *key);
    if (outcome.bell) beep();
    if (outcome.kind == FileDialog::Outcome::Kind::Cancel) return {};
    if (outcome.kind == FileDialog::Outcome::Kind::Take &&
        replaceConfirmed(dialog, outcome.paths)) {
      return outcome.paths;
    }
  }
}

FileDialog::Outcome TerminalFrontEnd::dialogInput(FileDialog& dialog, int key) {
  if (key == PasteStartKey) {
    dialog.paste(readBracketedPaste(keys_));
    return {};
  }
  if (isMouseReportStart(key)) {
    const std::optional<MouseInput> mouse = readMouseReport(keys_, key);
    if (!mouse || mouse->action != MouseInput::Action::Press) return {};
    return dialog.press(mouse->at, clock_.now());
  }
  if (isTypedCharacter(key)) return dialog.type(readCharacter(keys_, key));
  return dialog.key(key);
}

bool TerminalFrontEnd::replaceConfirmed(const FileDialog& dialog,
                                        const std::vector<std::string>& paths) {
  namespace fs = std::filesystem;
  if (dialog.choice().purpose != runtime::FileChoice::Purpose::Save || paths.empty()) return true;
  std::error_code error;
  if (!fs::exists(paths.front(), error)) return true;
  const std::string name = fs::path(paths.front()).filename().string();
  return showMessageBox({name + " already exists.|Do you want to replace it?", "Confirm Save As",
                         runtime::Icon::Warning, runtime::Button::Yes + runtime::Button::No,
                         runtime::Button::No}) == runtime::Button::Yes;
}

void TerminalFrontEnd::beep() {
  if (running()) ::beep();
}

void TerminalFrontEnd::shutdown() {
  session_->end();
}

}  // namespace tallowmere::platform
