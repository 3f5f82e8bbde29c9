#pragma once

#include <memory>

#include "platform/common/ProgressBarText.h"
#include "platform/terminal/CellGeometry.h"
#include "runtime/files/ExitHooks.h"

namespace tallowmere::platform {

// The terminal in curses mode for as long as the object lives. However the process ends
// (this object going away, a halt or fatal message running the exit hooks, or a signal)
// the terminal gets its modes, cursor, mouse, paste mode and screen back. Ctrl-C arrives as a key,
// not as a signal, while the session runs.
class TerminalSession {
 public:
  // Nothing when standard input and output are not both a terminal, or the terminal cannot
  // place the cursor, or curses cannot drive it; the terminal is untouched then.
  static std::unique_ptr<TerminalSession> start();
  ~TerminalSession();
  TerminalSession(const TerminalSession&) = delete;
  TerminalSession& operator=(const TerminalSession&) = delete;

  // Gives the terminal back; later calls do nothing.
  void end();
  bool ended() const { return ended_; }

  CellSize screenSize() const;
  // Whether the keyboard is gone for good: the terminal hung up or its input was closed.
  bool inputGone() const;
  Glyphs glyphs() const { return glyphs_; }

 private:
  TerminalSession(void* screen, Glyphs glyphs);

  void* screen_;  // the curses SCREEN, kept opaque so curses stays out of this header
  Glyphs glyphs_;
  runtime::ExitHooks::Token exitHook_ = 0;
  bool ended_ = false;
};

}  // namespace tallowmere::platform
