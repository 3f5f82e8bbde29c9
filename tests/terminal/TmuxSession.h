#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/TempDir.h"
#include "terminal/TmuxClient.h"

namespace tallowmere::testing {

// A program running in a pseudo-terminal of its own tmux server, driven the way a user
// drives it: keys by tmux name, typed text, mouse clicks and drags (sent in the xterm mouse
// encoding the terminal type announces), terminal resizes; its screen is read back as text.
// Every wait is a bounded poll of the screen or of the program's state, never a fixed sleep.
//
//   TmuxOptions options;
//   options.workingFolder = dir.path();
//   options.environment = {{"XDG_CONFIG_HOME", config.path().string()}};
//   TmuxSession program("/path/to/tallowmere", options);
//   ASSERT_TRUE(program.waitForText("C7 to C6 Tallowmere"));
//   program.sendKeys({"Tab", "Space"});
//   auto at = program.find("[ Close ]");
//   program.click(at->column + 2, at->row);
//   EXPECT_EQ(program.waitForExit(), 0);
//   EXPECT_TRUE(program.terminalRestored());
struct TmuxOptions {
  int columns = 100;
  int rows = 30;
  std::filesystem::path workingFolder;  // empty: the test's own
  std::vector<std::pair<std::string, std::string>> environment;
  bool utf8 = true;  // a UTF-8 locale, or the C locale
};

class TmuxSession {
 public:
  using Options = TmuxOptions;

  struct Cell {
    int column = 0;
    int row = 0;
  };

  using Timeout = std::chrono::milliseconds;
  static constexpr Timeout DefaultTimeout{5000};

  // tmux can be run here.
  static bool available();

  // command is a shell command line, run in workingFolder with environment added.
  explicit TmuxSession(const std::string& command, Options options = {});
  ~TmuxSession();
  TmuxSession(const TmuxSession&) = delete;
  TmuxSession& operator=(const TmuxSession&) = delete;

  // The screen as text, one line per row, trailing blanks dropped.
  std::string screen() const;
  std::vector<std::string> lines() const;
  // Where text first appears on the screen (0-based cells), if it does; every place.
  std::optional<Cell> find(const std::string& text) const;
  std::vector<Cell> findAll(const std::string& text) const;

  bool waitForText(const std::string& text, Timeout timeout = DefaultTimeout) const;
  bool waitForTextGone(const std::string& text, Timeout timeout = DefaultTimeout) const;
  // Until the window with this caption is drawn whole: the caption and the bottom right
  // corner of a frame below it. The program draws from the top down, and a screen read
  // back while a drawing is under way shows its first rows only.
  bool waitForWindow(const std::string& caption, Timeout timeout = DefaultTimeout) const;
  bool waitForScreen(const std::function<bool(const std::string&)>& ready,
                     Timeout timeout = DefaultTimeout) const;
  // Polls condition (not the screen) until it holds or timeout passes.
  static bool waitUntil(const std::function<bool()>& condition, Timeout timeout = DefaultTimeout);

  // Keys by tmux name: "Tab", "BTab", "Space", "Enter", "Escape", "C-c", "S-Left", "y".
  void sendKeys(const std::vector<std::string>& keys) const;
  // Left button at a cell (0-based): pressed and released; or held, dragged and released in
  // one quick gesture.
  void click(int column, int row) const;
  // Two clicks in one burst, as quick as a hand double-clicks.
  void doubleClick(int column, int row) const;
  void drag(Cell from, Cell to) const;
  // Text pasted the way tmux pastes its buffers: line ends as CR; bracketed (ESC [ 200 ~ ...
  // ESC [ 201 ~) only when asked and only while the program has asked for bracketed paste,
  // otherwise as if typed very fast.
  void paste(const std::string& text, bool bracketed) const;
  // Bytes as the terminal sends them, for the mouse reports and broken sequences no gesture
  // above makes; a report in the xterm encoding of the button code at a cell (0-based).
  void sendBytes(const std::string& bytes) const;
  static std::string mouseReport(int buttonCode, int column, int row);
  void resize(int columns, int rows);

  // The program's process id (the command is exec'd, so it is the program itself).
  std::optional<int> pid() const;
  void signal(int signalNumber) const;
  // The command's exit status once it has ended (128 + n after signal n), or nothing when
  // it is still running after timeout.
  std::optional<int> waitForExit(Timeout timeout = DefaultTimeout) const;
  // After the command ended: the terminal is back in its normal modes (canonical input,
  // echo), the full-screen (alternate) screen was left, the cursor shows, no mouse
  // reporting is left on and a paste is no longer bracketed.
  bool terminalRestored() const;
  // After the command ended: whether text pasted into the terminal comes with the marks of
  // bracketed paste.
  bool pastesBracketed() const;
  // What the terminal shows about itself: stty -a after the command, and tmux's flags.
  std::string modesAfterExit() const;
  std::string paneFlags() const;
  // The pane's mouse modes as tmux keys them: any reporting, then the SGR encoding ("11").
  std::string mouseModes() const;

  // A client attached as the user's terminal, once tmux lists it; nothing when it does not
  // attach in time.
  std::unique_ptr<TmuxClient> attachClient() const;

 private:
  // The tmux command line that talks to this session's server.
  std::vector<std::string> command(const std::vector<std::string>& arguments) const;
  std::string tmux(const std::vector<std::string>& arguments) const;
  std::optional<std::string> readState(const std::string& name) const;
  std::filesystem::path state(const std::string& name) const { return files_ / name; }

  TempDir files_;
  std::string socket_;
  int columns_;
  int rows_;
};

}  // namespace tallowmere::testing
