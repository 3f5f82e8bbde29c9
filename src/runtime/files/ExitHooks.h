#pragma once

#include <functional>

namespace tallowmere::runtime {

// Work that must still happen when the process ends abruptly (a halt or a fatal message):
// buffered lines reach their files and the terminal is restored. Hooks run newest first.
class ExitHooks {
 public:
  using Token = unsigned long;
  static Token add(std::function<void()> hook);
  static void remove(Token token);
  static void runAll();
};

// Runs the exit hooks, removes the temporary files still held, and ends the process with
// status, without running any other shutdown code.
[[noreturn]] void endProcess(int status);

}  // namespace tallowmere::runtime
