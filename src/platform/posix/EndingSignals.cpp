#include "platform/posix/EndingSignals.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>

#include "runtime/files/PendingRemovals.h"

namespace tallowmere::platform::EndingSignals {

namespace {

// Every signal whose default action ends the process and that a handler may catch.
constexpr int HandledSignals[] = {SIGHUP,  SIGINT,  SIGQUIT, SIGILL,    SIGTRAP, SIGABRT, SIGBUS,
                                  SIGFPE,  SIGUSR1, SIGSEGV, SIGUSR2,   SIGPIPE, SIGALRM, SIGTERM,
                                  SIGXCPU, SIGXFSZ, SIGSYS,  SIGVTALRM, SIGPROF};

// A stack overflow leaves no stack for the handler; it runs on this one.
constexpr std::size_t HandlerStackSize = 64 * 1024;
alignas(16) char handlerStack[HandlerStackSize];

std::atomic<void (*)()> firstStep{nullptr};
bool installed = false;

void removeFile(const char* path) {
  ::unlink(path);
}

void endBySignal(int signalNumber) {
  if (void (*step)() = firstStep.load(); step != nullptr) step();
  runtime::PendingRemovals::forEachListed(removeFile);
  // It stays blocked until the handler returns; a fault then repeats its instruction and
  // meets the default action as well.
  ::signal(signalNumber, SIG_DFL);
  ::raise(signalNumber);
}

}  // namespace

void install() {
  if (installed) return;
  installed = true;
  stack_t stack = {};
  stack.ss_sp = handlerStack;
  stack.ss_size = sizeof(handlerStack);
  ::sigaltstack(&stack, nullptr);
  struct sigaction action = {};
  action.sa_handler = endBySignal;
  action.sa_flags = SA_ONSTACK;
  sigemptyset(&action.sa_mask);
  for (const int signalNumber : HandledSignals) {
    struct sigaction previous = {};
    // A signal the program was started with ignored stays ignored, as it would without
    // a handler (nohup, a shell's background job).
    if (::sigaction(signalNumber, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) {
      continue;
    }
    ::sigaction(signalNumber, &action, nullptr);
  }
}

void setFirstStep(void (*step)()) {
  firstStep.store(step);
}

}  // namespace tallowmere::platform::EndingSignals
