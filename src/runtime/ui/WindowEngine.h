#pragma once

#include <optional>
#include <vector>

#include "runtime/ui/Event.h"
#include "runtime/ui/FrontEnd.h"
#include "runtime/ui/Window.h"

namespace tallowmere::runtime {

// The modal stack of one thread's open windows and their event delivery. Only the
// innermost window takes events; the engine applies no closing policy of its own: a
// CloseWindow event is delivered like any other, and the code running the loop decides.
class WindowEngine {
 public:
  // The calling thread's engine.
  static WindowEngine& current();

  WindowEngine() = default;
  ~WindowEngine();
  WindowEngine(const WindowEngine&) = delete;
  WindowEngine& operator=(const WindowEngine&) = delete;

  // Pushes the window, shows it and queues OpenWindow then GainFocus for it; the window
  // it covers is queued LoseFocus. Opening an open window does nothing.
  void open(Window& window);
  // Takes the window off the stack and the screen; the window below it is queued GainFocus.
  // Closing a window that is not open does nothing.
  void close(Window& window);
  // The innermost open window, or nullptr.
  Window* active() const;

  // The innermost window's next event: events posted to it first, then the user's input
  // (waiting no longer than its timer's next deadline), then a due timer. Nothing when no
  // window is open, or when no front end is installed and nothing is posted.
  std::optional<EventRecord> accept();

  // Whether the user has given the innermost window input it has not taken yet.
  bool inputPending() const;

  // Posts to the innermost window, as a post to the thread does.
  void postToThread(Event event, int control = 0);
  // Refreshes every control from its bound variable and draws the window now.
  void display(Window& window);
  void beep();

  // The key or mouse code of the input behind the latest event.
  int keyCode() const { return keyCode_; }
  void setKeyCode(int code) { keyCode_ = code; }

 private:
  std::optional<EventRecord> eventFor(Window& window, const Input& input);
  EventRecord deliver(Window& window, EventRecord record);
  void draw(Window& window);

  std::vector<Window*> stack_;
  int keyCode_ = 0;
};

}  // namespace tallowmere::runtime
