#include "platform/posix/PosixConsole.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace tallowmere::platform {

namespace {

constexpr const char* ClearToEndOfLine = "\x1b[K";

}  // namespace

PosixConsole::PosixConsole(std::FILE* out) : out_(out), terminal_(::isatty(::fileno(out)) == 1) {}

int PosixConsole::columns() const {
  winsize size = {};
  if (!terminal_ || ::ioctl(::fileno(out_), TIOCGWINSZ, &size) != 0) return 0;
  return size.ws_col;
}

void PosixConsole::write(const std::string& text) {
  std::fputs(text.c_str(), out_);
  std::fflush(out_);
}

void PosixConsole::redrawLine(const std::string& text) {
  std::fprintf(out_, "\r%s%s", text.c_str(), ClearToEndOfLine);
  std::fflush(out_);
}

}  // namespace tallowmere::platform
