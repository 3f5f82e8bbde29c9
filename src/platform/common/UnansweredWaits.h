#pragma once

namespace tallowmere::runtime {
class Window;
}  // namespace tallowmere::runtime

namespace tallowmere::platform {

// What a front end with nobody at it does about a window that waits for the user: it
// answers that no input is coming, which closes a window as Esc would. A window that goes on
// waiting after Limit such answers in a row would never end, so the program halts rather
// than hang.
class UnansweredWaits {
 public:
  static constexpr int Limit = 100;

  // Counts one more wait that nothing will answer; halts the program, naming the window,
  // when there have been more than Limit of them in a row.
  void waitedInVain(const runtime::Window& active);
  // Something happened: the count starts again.
  void reset() { inARow_ = 0; }

 private:
  int inARow_ = 0;
};

}  // namespace tallowmere::platform
