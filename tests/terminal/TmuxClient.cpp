#include "terminal/TmuxClient.h"

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

std::string sgrReport(int column, int row, char action) {
  return "\033[<0;" + std::to_string(column + 1) + ";" + std::to_string(row + 1) + action;
}

}  // namespace

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
  // The client's end of the terminal is closed now, so the reader sees the end.
  if (reader_.joinable()) reader_.join();
  if (terminal_ >= 0) ::close(terminal_);
}

void TmuxClient::drain() const {
  char buffer[4096];
  while (::read(terminal_, buffer, sizeof buffer) > 0) {
  }
}

void TmuxClient::click(int column, int row) const {
  const std::string gesture = sgrReport(column, row, 'M') + sgrReport(column, row, 'm');
  [[maybe_unused]] const ssize_t written = ::write(terminal_, gesture.data(), gesture.size());
}

}  // namespace tallowmere::testing
