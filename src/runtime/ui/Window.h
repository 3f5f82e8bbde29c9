#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "runtime/ui/Clock.h"
#include "runtime/ui/Control.h"
#include "runtime/ui/Event.h"
#include "runtime/ui/WindowDescription.h"

namespace tallowmere::runtime {

class WindowEngine;

// An open (or about to be opened) window built from its description. Property setters only
// record the change; the engine has the front end draw a changed window before it waits
// for input, and at once on WindowEngine::display. Unknown control numbers are ignored on
// writes and read as empty, so a stray number can never reach outside the window.
class Window {
 public:
  explicit Window(const WindowDescription& description);
  ~Window();  // closes the window if it is still open
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  const FontDescription& font() const { return font_; }
  const std::optional<ProgressRole>& progressRole() const { return progressRole_; }

  // Placement, in dialog units. A window without a position gets one from the front end
  // when it opens.
  bool hasPosition() const { return position_.has_value(); }
  Point position() const { return position_.value_or(Point{}); }
  void moveTo(Point position);
  int width() const { return width_; }
  int height() const { return height_; }
  bool resizable() const { return resizable_; }
  // Ignored unless the window is resizable.
  void resize(int width, int height);
  bool maximized() const { return maximized_; }
  // A window whose frame cannot change size cannot be maximized either: it stays as it is,
  // also when a settings file says it was maximized, so its position is still saved.
  void setMaximized(bool maximized);
  bool minimized() const { return minimized_; }
  void setMinimized(bool minimized);

  const std::vector<Control>& controls() const { return controls_; }
  const Control* control(int number) const;
  std::string text(int control) const;
  void setText(int control, std::string text);
  void setEnabled(int control, bool enabled);
  void setVisible(int control, bool visible);
  int focus() const { return focus_; }
  // Gives the control the focus; unknown controls are ignored.
  void select(int control);
  // Every check box and progress bar takes its state from its bound variable.
  void refreshFromVariables();
  // A check box flips and writes 1 or 0 into its variable; other controls are untouched.
  void toggle(int control);

  // The first timer event comes as soon as the window has nothing else to do, each later
  // one a period after the one before; 0 stops the timer. Waiting a whole period for the
  // first event would only leave every progress window idle before its first batch.
  void setTimer(int period);
  int timerPeriod() const { return timerPeriod_; }
  std::optional<Hundredths> timerDeadline() const;
  long timerEvents() const { return timerEvents_; }

  // Queues an event for this window; it is delivered before any input or timer.
  void post(Event event, int control = 0);
  // Posts a Notify event carrying the notification.
  void notify(const Notification& notification);
  std::optional<Notification> takeNotification();
  // The files of the last FilesGiven event, once.
  std::vector<std::string> takeGivenFiles() { return std::exchange(givenFiles_, {}); }
  // The event the engine delivered last for this window.
  const EventRecord& currentEvent() const { return current_; }

  bool isOpen() const { return engine_ != nullptr; }
  bool changedSinceDrawn() const { return changed_; }

 private:
  friend class WindowEngine;

  Control* findControl(int number);
  void touch() { changed_ = true; }
  std::optional<EventRecord> takePosted();
  void timerFired(Hundredths now);

  std::string caption_;
  FontDescription font_;
  std::optional<Point> position_;
  int width_;
  int height_;
  bool resizable_;
  std::optional<ProgressRole> progressRole_;
  bool maximized_ = false;
  bool minimized_ = false;
  std::vector<Control> controls_;
  int focus_ = 0;

  int timerPeriod_ = 0;
  Hundredths timerDeadline_ = 0;
  long timerEvents_ = 0;

  std::deque<EventRecord> posted_;
  std::deque<Notification> notifications_;
  std::vector<std::string> givenFiles_;
  EventRecord current_;

  WindowEngine* engine_ = nullptr;
  bool changed_ = true;
};

}  // namespace tallowmere::runtime
