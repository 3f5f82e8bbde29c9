#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/common/WindowStack.h"
#include "platform/terminal/CursesByteSource.h"
#include "platform/terminal/FileDialog.h"
#include "platform/terminal/TerminalSession.h"
#include "platform/terminal/WindowInput.h"
#include "runtime/ui/FrontEnd.h"

namespace tallowmere::platform {

class MessageBoxDialog;
class Overlay;
class ScreenPainter;

// The windows and message boxes in a terminal, drawn with curses: one cell for 4 x 8 dialog
// units, the modal stack on screen with only the top window active, keyboard and mouse as
// WindowInput describes. The first window opened (the main window) is centred on the
// terminal unless it has a position; later ones are centred over the window below. Every
// window is kept on screen, also after the terminal shrinks; a terminal too small for the
// main window shows a one-line notice until it is enlarged, while timers keep running.
// Message boxes and the file dialog (FileDialog) are drawn over the windows. Text pasted on
// a window (bracketed, or typed by the terminal as it types a dropped file) that names
// files that are there gives the window those files.
// After shutdown, or once a halt has given the terminal back, nothing is drawn, message boxes
// answer their default button and every wait for input says that input has ended; so does
// every wait once the keyboard is gone (the terminal hung up or its input was closed).
class TerminalFrontEnd final : public runtime::FrontEnd {
 public:
  // Nothing when there is no terminal to run in (see TerminalSession::start).
  static std::unique_ptr<TerminalFrontEnd> start();
  ~TerminalFrontEnd() override;

  void openWindow(runtime::Window& window) override;
  void drawWindow(const runtime::Window& window) override;
  void closeWindow(const runtime::Window& window) override;
  std::optional<runtime::Input> waitForInput(runtime::Window& active,
                                             std::optional<runtime::Hundredths> deadline) override;
  bool inputPending(runtime::Window& active) override;
  bool personAtScreen() const override { return true; }
  int showMessageBox(const runtime::MessageBoxRequest& request) override;
  std::vector<std::string> chooseFiles(const runtime::FileChoice& choice) override;
  const runtime::Clock& clock() const override { return clock_; }
  void beep() override;
  void shutdown() override;

 private:
  explicit TerminalFrontEnd(std::unique_ptr<TerminalSession> session);

  CellSize screen() const;
  CellSize mainWindowSize() const;
  CellRect topArea() const;
  // What an overlay is centred over: the overlay below it, or the top window.
  CellRect areaUnder(const Overlay& overlay) const;
  void paintWindows(ScreenPainter& painter, bool topActive) const;
  // Paints the windows and the overlays over them, or a notice asking for a larger terminal
  // when the main window or an overlay does not fit; false for the notice.
  bool redraw();
  // A key or mouse action from curses (or the one inputPending saw), waiting at most until
  // deadline.
  std::optional<int> readKey(std::optional<runtime::Hundredths> deadline);
  void dropTypedAhead();
  std::optional<runtime::Input> translate(runtime::Window& active, int key);
  // The files pasted text names, for the active window; nothing (and the bell) when it
  // names none that is there.
  std::optional<runtime::Input> givenFiles(const std::string& pasted);
  // A Move that brings the window's stored position to where it is shown, if they differ.
  std::optional<runtime::Input> keepOnScreen(const runtime::Window& window) const;
  int answer(MessageBoxDialog& box);
  std::vector<std::string> choose(FileDialog& dialog);
  FileDialog::Outcome dialogInput(FileDialog& dialog, int key);
  // Whether the file a Save dialog took may be replaced: asked when it is there.
  bool replaceConfirmed(const FileDialog& dialog, const std::vector<std::string>& paths);
  // False once the terminal is given back, also when a halt's exit hook did it.
  bool running() const { return !session_->ended(); }

  std::unique_ptr<TerminalSession> session_;
  WindowStack<> windows_;
  std::vector<const Overlay*> overlays_;  // over the windows, bottom to top
  CursesByteSource keys_;
  WindowInput input_;
  std::optional<int> typedAhead_;  // read by inputPending, not yet taken
  runtime::SteadyClock clock_;
};

}  // namespace tallowmere::platform
