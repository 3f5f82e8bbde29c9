#include "platform/terminal/EmergencyRestore.h"

#include <curses.h>
#include <term.h>
#include <termios.h>
#include <unistd.h>

#include <cstring>

#include "platform/posix/EndingSignals.h"
#include "platform/terminal/KeyCodes.h"

namespace tallowmere::platform::EmergencyRestore {

namespace {

struct State {
  termios modes{};
  bool modesSaved = false;
  char reset[512] = {};
  std::size_t resetLength = 0;
};

State state;

void append(const char* text) {
  if (text == nullptr || text == reinterpret_cast<const char*>(-1)) return;
  const std::size_t length = std::strlen(text);
  if (state.resetLength + length >= sizeof(state.reset)) return;
  std::memcpy(state.reset + state.resetLength, text, length);
  state.resetLength += length;
}

const char* capability(const char* name) {
  return tigetstr(const_cast<char*>(name));
}

void restoreFromHandler() {
  if (state.resetLength > 0) {
    [[maybe_unused]] const ssize_t written = write(STDOUT_FILENO, state.reset, state.resetLength);
  }
  if (state.modesSaved) tcsetattr(STDIN_FILENO, TCSANOW, &state.modes);
}

}  // namespace

void saveModes() {
  state.modesSaved = tcgetattr(STDIN_FILENO, &state.modes) == 0;
}

void captureResetStrings() {
  state.resetLength = 0;
  append(TerminalReportsOff);
  append(capability("sgr0"));
  append(capability("cnorm"));
  append(capability("rmkx"));
  append(capability("rmcup"));
}

void arm() {
  EndingSignals::install();
  EndingSignals::setFirstStep(restoreFromHandler);
}

void disarm() {
  EndingSignals::setFirstStep(nullptr);
}

}  // namespace tallowmere::platform::EmergencyRestore
