#pragma once

#include <optional>
#include <string>
#include <vector>

#include "runtime/core/PlatformServices.h"
#include "runtime/ui/Clock.h"
#include "runtime/ui/FileChoice.h"
#include "runtime/ui/MessageBox.h"
#include "runtime/ui/WindowDescription.h"

namespace tallowmere::runtime {

class Window;

// What the user did, as a front end reports it. The engine turns it into an event for the
// active window (or, for Move, only updates the window).
struct Input {
  enum class Kind {
    Accept,        // a button pressed or a check box clicked: Accepted
    Select,        // the focus moved to a control: Selected
    CloseRequest,  // the user asked the window to close: CloseWindow
    Move,          // the window was moved to position: no event
    Resize,        // the window's frame changed size: Sized
    GainFocus,     // the window became the active one
    LoseFocus,
    InputEnded,  // no input will ever come (the terminal hung up): CloseWindow
    FilesGiven,  // files dropped on the window or pasted into it: FilesGiven
  };
  Kind kind = Kind::Accept;
  int control = 0;  // Accept, Select
  Point position;   // Move
  int width = 0;    // Resize
  int height = 0;
  int keyCode = 0;                 // the runtime::Key code behind the input, 0 when none
  std::vector<std::string> files;  // FilesGiven: their paths, UTF-8
};

// The port through which the window engine reaches a screen. The engine owns the order of
// events; a front end only shows windows, waits for the user and reports what the user did.
//   openWindow   the window becomes visible on top of the others. If it has no position,
//                the front end chooses one and sets it (Window::moveTo).
//   drawWindow   show the window's current caption, texts, states and focus.
//   closeWindow  take the window off the screen; it is still readable during the call.
//                Input the user gave the window that it has not taken yet goes with it: a
//                key typed while a pass was busy must never act on the window after it.
//   waitForInput wait for the user's next input to the active window, but no later than
//                deadline (clock() hundredths; none: no limit; past: just poll). Return
//                nothing when the deadline passes first; returning nothing early is allowed.
//                Once input has ended for good, InputEnded, at once and on every later
//                wait: a window that waited on regardless would never end.
//   inputPending whether the user has given the active window input it has not taken yet,
//                without waiting: a busy window asks between two pieces of work.
//   personAtScreen whether a person waits for each key to take effect, so that a busy
//                window has to answer within a fraction of a second; false when a script or
//                nobody drives the windows.
//   showMessageBox (from MessageBoxPort) shows a modal box and returns the button pressed.
//   chooseFiles  asks the user, in a modal dialog over the active window, for files to open
//                or a file to save (see FileChoice); the paths chosen, none when the user
//                cancelled or there is nobody to ask.
//   canShowInFolder, showInFolder  whether the front end can, and then does, open the
//                folder that holds a file with the file selected, in the system's own file
//                manager.
//   clock        the time base for timers and for the code's own timing.
//   shutdown     give the screen back (restore the terminal); called once, also on a halt.
class FrontEnd : public MessageBoxPort {
 public:
  virtual void openWindow(Window& window) = 0;
  virtual void drawWindow(const Window& window) = 0;
  virtual void closeWindow(const Window& window) = 0;
  virtual std::optional<Input> waitForInput(Window& active, std::optional<Hundredths> deadline) = 0;
  virtual bool inputPending(Window& active) = 0;
  virtual bool personAtScreen() const = 0;
  virtual std::vector<std::string> chooseFiles(const FileChoice&) { return {}; }
  virtual bool canShowInFolder() const { return false; }
  virtual void showInFolder(const std::string&) {}
  virtual const Clock& clock() const = 0;
  virtual void beep() {}
  virtual void shutdown() = 0;
};

// The front end in use, or nullptr.
FrontEnd* frontEnd();

// The installed front end's answer; none when none is installed.
std::vector<std::string> chooseFiles(const FileChoice& choice);

// The installed front end's clock; real time when none is installed.
const Clock& clock();

// Puts a front end, with its message boxes, in place for a scope.
class ScopedFrontEnd : public ScopedServices {
 public:
  explicit ScopedFrontEnd(FrontEnd& frontEnd)
      : ScopedServices({.frontEnd = &frontEnd, .messageBoxes = &frontEnd}) {}
};

}  // namespace tallowmere::runtime
