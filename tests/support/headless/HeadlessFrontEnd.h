#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/common/HeadlessClock.h"
#include "platform/common/UnansweredWaits.h"
#include "runtime/ui/FrontEnd.h"
#include "runtime/ui/Window.h"
#include "support/headless/HeadlessScript.h"

namespace tallowmere::platform {

// What a window showed when it was drawn.
struct WindowDrawing {
  std::string caption;
  std::map<int, std::string> texts;  // by control number
  std::map<int, int> values;         // progress bars
  std::map<int, bool> checked;       // check boxes
  std::set<int> hidden;              // controls not shown
  int focus = 0;
  friend bool operator==(const WindowDrawing&, const WindowDrawing&) = default;
};

// One window the front end was asked to open, and what became of it.
struct WindowRecord {
  std::string captionAtOpen;
  runtime::FontDescription font;
  int width = 0;
  int height = 0;
  bool open = true;
  long timerEvents = 0;  // as of the latest drawing or the close
  // Every drawing that differed from the one before, in order.
  std::vector<WindowDrawing> drawings;

  const WindowDrawing* last() const { return drawings.empty() ? nullptr : &drawings.back(); }
  std::string lastText(int control) const;
  // The control's text in each drawing where it changed, in order.
  std::vector<std::string> textHistory(int control) const;
  std::vector<int> valueHistory(int control) const;
};

struct MessageBoxRecord {
  runtime::MessageBoxRequest request;
  int answer = 0;
};

// A front end without a screen: it draws nothing and takes the user's part from a script.
// It records every window opened and every message box shown, in order, so tests (and a
// batch driver) can see what the user would have seen. A derived front end may override
// the window and message-box operations to report them, calling these to keep the records.
//
// Input: the script's steps happen strictly in order, each as soon as its When holds for
// the active window (a step with a time is typed when the clock reaches it, also while the
// window is busy). While the next step is not due, a wait with a deadline jumps the
// clock to the deadline (nothing waits for a timer); a wait with no deadline and nothing
// scripted asks the active window to close, as a user giving up would, so a run can never
// hang. Steps that are due when their window closes are dropped with it. Message boxes take
// the answers queued for them in order and, with none queued, their default button.
class HeadlessFrontEnd : public runtime::FrontEnd {
 public:
  explicit HeadlessFrontEnd(HeadlessClock::Mode mode = HeadlessClock::Mode::Virtual);

  void script(When when, runtime::Input input);
  void script(runtime::Input input) { script(When{}, input); }
  // A key press (a runtime::Key code), taken as every front end takes it; a key that does
  // nothing in the window is skipped.
  void scriptKey(When when, int key);
  void answerMessageBox(int button) { answers_.push_back(button); }
  // What the next file dialog gives back; with none queued, a dialog is cancelled.
  void answerFileChoice(std::vector<std::string> paths) {
    fileAnswers_.push_back(std::move(paths));
  }
  const std::vector<runtime::FileChoice>& fileChoices() const { return fileChoices_; }

  HeadlessClock& virtualClock() { return clock_; }
  const std::vector<WindowRecord>& windows() const { return records_; }
  // The last window opened with this caption at open or in any drawing.
  const WindowRecord* window(const std::string& caption) const;
  const std::vector<MessageBoxRecord>& messageBoxes() const { return messageBoxes_; }
  std::size_t pendingSteps() const { return steps_.size() - nextStep_; }
  int unscriptedCloses() const { return unscriptedCloses_; }

  void openWindow(runtime::Window& window) override;
  void drawWindow(const runtime::Window& window) override;
  void closeWindow(const runtime::Window& window) override;
  std::optional<runtime::Input> waitForInput(runtime::Window& active,
                                             std::optional<runtime::Hundredths> deadline) override;
  bool inputPending(runtime::Window& active) override;
  // Nobody waits for the windows unless a test or a benchmark stands in for the person.
  bool personAtScreen() const override { return personAtScreen_; }
  void setPersonAtScreen(bool present) { personAtScreen_ = present; }
  int showMessageBox(const runtime::MessageBoxRequest& request) override;
  std::vector<std::string> chooseFiles(const runtime::FileChoice& choice) override;
  const runtime::Clock& clock() const override { return clock_; }
  // There is no screen to give back.
  void shutdown() override {}

 private:
  // What the user does when nothing is scripted and nothing is due: asks the active window
  // to close (see UnansweredWaits).
  runtime::Input noInputLeft(const runtime::Window& active);
  std::optional<runtime::Input> scriptedInput(const runtime::Window& active,
                                              std::optional<runtime::Hundredths> deadline);
  bool holds(const When& when, const runtime::Window& active) const;
  // The next step holds for the window and its time, if it has one, has come.
  bool nextStepDue(const runtime::Window& window) const;
  WindowRecord* recordOf(const runtime::Window& window);

  HeadlessClock clock_;
  std::vector<ScriptStep> steps_;
  std::size_t nextStep_ = 0;
  std::deque<int> answers_;
  std::vector<WindowRecord> records_;
  // The record of each window that is open now.
  std::map<const runtime::Window*, std::size_t> openRecords_;
  std::vector<MessageBoxRecord> messageBoxes_;
  std::deque<std::vector<std::string>> fileAnswers_;
  std::vector<runtime::FileChoice> fileChoices_;
  int unscriptedCloses_ = 0;
  bool personAtScreen_ = false;
  UnansweredWaits unanswered_;
};

}  // namespace tallowmere::platform
