#include "terminal/TmuxClient.h"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace tallowmere::testing {

namespace {

[[noreturn]] void execClient(const std::vector<std::string>& command) {
  ::setenv("TERM", "xterm-256color", 1);
  std::vector<char*> argv;
  for (const std::string& argument : command) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  ::execvp(argv[0], argv.data());
  ::_exit(127);
}

constexpr int PollMilliseconds = 50;

}  // namespace

std::string sgrMouseReport(int buttonCode, int column, int row, bool release) {
  return "\033[<" + std::to_string(buttonCode) + ";" + std::to_string(column + 1) + ";" +
         std::to_string(row + 1) + (release ? 'm' : 'M');
}

TmuxClient::TmuxClient(const std::vector<std::string>& command, int columns, int rows) {
  winsize size = {};
  size.ws_col = static_cast<unsigned short>(columns);
  size.ws_row = static_cast<unsigned short>(rows);
  child_ = ::forkpty(&terminal_, nullptr, nullptr, &size);
  if (child_ == 0) execClient(command);
  if (child_ > 0) reader_ = std::thread([this] { drain(); });
}

TmuxClient::~TmuxClient() {
  if (child_ > 0) {
    ::kill(child_, SIGTERM);
    ::waitpid(child_, nullptr, 0);
  }
  stopping_ = true;
  if (reader_.joinable()) reader_.join();
  if (terminal_ >= 0) ::close(terminal_);
}

void TmuxClient::drain() const {
  // The server holds the client's terminal as well and may keep it open a moment after the
  // client has gone, so the reader does not count on seeing its end.
  char buffer[4096];
  while (!stopping_) {
    pollfd ready = {terminal_, POLLIN, 0};
    if (::poll(&ready, 1, PollMilliseconds) < 0) return;
    if ((ready.revents & POLLIN) && ::read(terminal_, buffer, sizeof buffer) <= 0) return;
    if (ready.revents & (POLLHUP | POLLERR | POLLNVAL)) return;
  }
}

void TmuxClient::click(int column, int row) const {
  const std::string gesture =
      sgrMouseReport(0, column, row, false) + sgrMouseReport(0, column, row, true);
  [[maybe_unused]] const ssize_t written = ::write(terminal_, gesture.data(), gesture.size());
}

}  // namespace tallowmere::testing
