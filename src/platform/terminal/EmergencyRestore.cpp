#include "platform/terminal/EmergencyRestore.h"

#include <curses.h>
#include <signal.h>
#include <term.h>
#include <termios.h>
#include <unistd.h>

#include <cstring>

#include "platform/terminal/KeyCodes.h"

namespace tallowmere::platform::EmergencyRestore {

namespace {

// Every signal whose default action ends the process and that a handler may catch.
constexpr int HandledSignals[] = {SIGHUP,  SIGINT,  SIGQUIT, SIGILL,    SIGTRAP, SIGABRT, SIGBUS,
                                  SIGFPE,  SIGUSR1, SIGSEGV, SIGUSR2,   SIGPIPE, SIGALRM, SIGTERM,
                                  SIGXCPU, SIGXFSZ, SIGSYS,  SIGVTALRM, SIGPROF};
constexpr int SignalCount = sizeof(HandledSignals) / sizeof(HandledSignals[0]);

// A stack overflow leaves no stack for the handler; it runs on this one.
constexpr std::size_t HandlerStackSize = 64 * 1024;

struct State {
  termios modes{};
  bool modesSaved = false;
  char reset[512] = {};
  std::size_t resetLength = 0;
  struct sigaction previous[SignalCount] = {};
  bool armed = false;
  alignas(16) char handlerStack[HandlerStackSize] = {};
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

void restoreFromHandler(int signalNumber) {
  if (state.resetLength > 0) {
    [[maybe_unused]] const ssize_t written = write(STDOUT_FILENO, state.reset, state.resetLength);
  }
  if (state.modesSaved) tcsetattr(STDIN_FILENO, TCSANOW, &state.modes);
  // Let the signal end the process the way it would have without this handler, so the
  // parent sees a death by signal. It stays blocked until the handler returns; a fault then
  // repeats its instruction and meets the default action as well.
  signal(signalNumber, SIG_DFL);
  raise(signalNumber);
}

}  // namespace

void saveModes() {
  state.modesSaved = tcgetattr(STDIN_FILENO, &state.modes) == 0;
}

void captureResetStrings() {
  state.resetLength = 0;
  append(MouseReportsOff);
  append(capability("sgr0"));
  append(capability("cnorm"));
  append(capability("rmkx"));
  append(capability("rmcup"));
}

void arm() {
  if (state.armed) return;
  stack_t stack = {};
  stack.ss_sp = state.handlerStack;
  stack.ss_size = sizeof(state.handlerStack);
  sigaltstack(&stack, nullptr);
  struct sigaction action = {};
  action.sa_handler = restoreFromHandler;
  action.sa_flags = SA_ONSTACK;
  sigemptyset(&action.sa_mask);
  for (int i = 0; i < SignalCount; ++i) sigaction(HandledSignals[i], &action, &state.previous[i]);
  state.armed = true;
}

void disarm() {
  if (!state.armed) return;
  for (int i = 0; i < SignalCount; ++i) sigaction(HandledSignals[i], &state.previous[i], nullptr);
  state.armed = false;
}

}  // namespace tallowmere::platform::EmergencyRestore
