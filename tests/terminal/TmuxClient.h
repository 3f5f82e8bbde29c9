#pragma once

#include <sys/types.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace tallowmere::testing {

// A mouse report in the SGR encoding, as a terminal sends it: the button code (with its
// modifier, motion, wheel and extra-button bits) at a cell (0-based), pressed or let go.
std::string sgrMouseReport(int buttonCode, int column, int row, bool release);

// A tmux client attached in a pseudo-terminal of its own: it stands for the terminal a user
// sits at. Bytes written to it are what that terminal sends tmux, so a mouse report written
// here reaches the program in the pane only through tmux's own mouse handling, which
// passes it on only while the program has asked for mouse reports. What tmux draws for the
// client is read and dropped.
class TmuxClient {
 public:
  // command is the tmux client's argument list; the pseudo-terminal has the given size.
  TmuxClient(const std::vector<std::string>& command, int columns, int rows);
  ~TmuxClient();
  TmuxClient(const TmuxClient&) = delete;
  TmuxClient& operator=(const TmuxClient&) = delete;

  bool running() const { return child_ > 0; }
  // The left button pressed and released at a cell (0-based), as a terminal in the SGR
  // mouse encoding reports it.
  void click(int column, int row) const;

 private:
  void drain() const;

  int terminal_ = -1;
  pid_t child_ = -1;
  std::atomic<bool> stopping_{false};
  std::thread reader_;
};

}  // namespace tallowmere::testing
