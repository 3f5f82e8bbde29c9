#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/TempDir.h"
#include "terminal/TmuxSession.h"

namespace tallowmere::testing {

inline const std::string MainCaption = "C7 to C6 Tallowmere";
inline const std::string TopLeftCorner = "\u250C";

bool shows(const std::string& screen, const std::string& text);

// The real program in a tmux pane, with a working and a configuration folder of its own
// for each case.
class ProgramInTmux : public ::testing::Test {
 protected:
  void SetUp() override;

  // The program with arguments, in a terminal of that size, with TERM set if given.
  TmuxSession& launch(const std::string& arguments, int columns = 100, int rows = 30,
                      const std::string& terminalType = "");
  // The main window, open.
  TmuxSession& start(int columns = 100, int rows = 30);

  // The main window's client area: its frame's corner plus one cell each way.
  static std::optional<TmuxSession::Cell> clientOrigin(const TmuxSession& program);
  // A click on the third cell of the first place label shows, once it shows.
  static void clickOn(const TmuxSession& program, const std::string& label);
  // Ends the program with its Close button: that only works once the main window is the
  // active one again.
  static void closeWithTheButton(const TmuxSession& program);

  // An entry of the settings file's section "Main", if there is one.
  std::optional<std::string> setting(const std::string& key) const;

  TempDir folder_;
  std::optional<TmuxSession> session_;
};

}  // namespace tallowmere::testing
