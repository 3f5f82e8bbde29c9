#pragma once

#include <cstdint>

namespace tallowmere::runtime {

// What the event loop delivers. Values below 0x400 are the system's own; code may post
// further values of its own (the window manager posts ResizeRequest when a window is sized).
enum class Event : std::uint16_t {
  None = 0,
  // Control events.
  Accepted = 0x01,
  NewSelection = 0x02,
  Selected = 0x101,
  Rejected = 0x102,
  AlertKey = 0x103,
  // Window events.
  CloseWindow = 0x201,  // a request to close the window
  CloseDown = 0x202,    // the program is shutting down
  OpenWindow = 0x203,
  GainFocus = 0x204,
  LoseFocus = 0x205,
  Sized = 0x206,
  Timer = 0x207,
  Notify = 0x208,
  Completed = 0x209,
  FilesGiven = 0x20A,  // files dropped on the window or pasted into it: Window::takeGivenFiles
  ResizeRequest = 0x3FF,
};

struct EventRecord {
  Event event = Event::None;
  int control = 0;  // 0 for window events
  friend bool operator==(const EventRecord&, const EventRecord&) = default;
};

// What a Notify event carries; read back through WindowEngine::takeNotification.
struct Notification {
  std::int32_t code = 0;
  std::int32_t thread = 0;
  std::int32_t parameter = 0;
};

}  // namespace tallowmere::runtime
