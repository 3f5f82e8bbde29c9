#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "runtime/ui/MessageBox.h"
#include "runtime/ui/Window.h"
#include "runtime/ui/WindowEngine.h"
#include "support/headless/HeadlessFrontEnd.h"

namespace tallowmere::platform {
namespace {

using runtime::Event;
using runtime::EventRecord;

constexpr int Button = 1;
constexpr int Label = 2;
constexpr int Bar = 3;

runtime::WindowDescription described(const std::string& caption, std::uint8_t* bar = nullptr) {
  runtime::WindowDescription description;
  description.caption = caption;
  description.width = 80;
  description.height = 30;
  description.controls = {
      {Button, runtime::ControlKind::Button, 0, 0, 20, 10, "Go", "", nullptr},
      {Label, runtime::ControlKind::FixedText, 0, 12, 40, 10, "", "", nullptr},
      {Bar, runtime::ControlKind::ProgressBar, 0, 24, 40, 4, "", "", bar},
  };
  return description;
}

class HeadlessTest : public ::testing::Test {
 protected:
  // The events delivered until the window closes or takes an accept; a close request
  // closes the window, as a window manager would.
  std::vector<EventRecord> runUntilAccepted(runtime::Window& window) {
    std::vector<EventRecord> events;
    while (window.isOpen()) {
      auto event = engine().accept();
      if (!event) break;
      events.push_back(*event);
      if (event->event == Event::CloseWindow) engine().close(window);
      if (event->event == Event::Accepted) break;
    }
    return events;
  }
  static runtime::WindowEngine& engine() { return runtime::WindowEngine::current(); }
  static long count(const std::vector<EventRecord>& events, Event kind) {
    return std::count_if(events.begin(), events.end(),
                         [kind](const EventRecord& e) { return e.event == kind; });
  }

  HeadlessFrontEnd screen;
  runtime::ScopedFrontEnd installed{screen};
};

TEST_F(HeadlessTest, TimedStepWaitsForItsTimerEventsWithoutRealWaiting) {
  runtime::Window window(described("Work"));
  engine().open(window);
  window.setTimer(10);
  screen.script(inWindow("Work", 3), press(Button));

  const auto events = runUntilAccepted(window);

  // The first timer event comes at once, the next ones a period apart.
  EXPECT_EQ(count(events, Event::Timer), 3);
  EXPECT_EQ(events.back(), (EventRecord{Event::Accepted, Button}));
  EXPECT_EQ(screen.virtualClock().now(), 20);
  engine().close(window);
}

TEST_F(HeadlessTest, StepsHappenInOrderOnlyInTheirWindow) {
  runtime::Window window(described("First"));
  engine().open(window);
  window.setTimer(10);
  screen.script(inWindow("Second"), press(Button));
  screen.script(inWindow("First"), press(Button));

  // The first step waits for a window that never comes, so the second cannot happen
  // either; the timer keeps running meanwhile.
  for (int i = 0; i < 5; ++i) {
    auto event = engine().accept();
    ASSERT_TRUE(event);
    if (event->event == Event::Timer) continue;
    EXPECT_NE(event->event, Event::Accepted);
  }
  EXPECT_EQ(screen.pendingSteps(), 2u);
  window.setCaption("Second");
  EXPECT_EQ(runUntilAccepted(window).back(), (EventRecord{Event::Accepted, Button}));
  window.setCaption("First");
  EXPECT_EQ(runUntilAccepted(window).back(), (EventRecord{Event::Accepted, Button}));
  engine().close(window);
}

TEST_F(HeadlessTest, StepAtATimeComesBetweenTheTimerEvents) {
  runtime::Window window(described("Work"));
  engine().open(window);
  window.setTimer(10);
  screen.script(atTime(55), press(Button));

  const auto events = runUntilAccepted(window);

  EXPECT_EQ(count(events, Event::Timer), 6);  // at 0, 10, ... 50
  EXPECT_EQ(screen.virtualClock().now(), 55);
  engine().close(window);
}

TEST_F(HeadlessTest, NothingLeftToDoClosesTheWindow) {
  runtime::Window window(described("Idle"));
  engine().open(window);

  const auto events = runUntilAccepted(window);

  EXPECT_EQ(events.back().event, Event::CloseWindow);
  EXPECT_EQ(screen.unscriptedCloses(), 1);
}

TEST_F(HeadlessTest, WindowThatNeverClosesEndsTheProgramInsteadOfHanging) {
  runtime::Window window(described("Stubborn"));
  engine().open(window);
  EXPECT_EXIT(
      {
        while (engine().accept()) {
        }
      },
      ::testing::ExitedWithCode(1), "");
  engine().close(window);
}

TEST_F(HeadlessTest, RealClockSkipsTheWaitForTheTimer) {
  HeadlessFrontEnd real(HeadlessClock::Mode::RealSkippingWaits);
  runtime::ScopedFrontEnd useReal(real);
  runtime::Window window(described("Work"));
  engine().open(window);
  window.setTimer(100);
  real.script(inWindow("Work", 5), press(Button));

  const auto started = std::chrono::steady_clock::now();
  const auto events = runUntilAccepted(window);
  const auto spent = std::chrono::steady_clock::now() - started;

  EXPECT_EQ(count(events, Event::Timer), 5);
  EXPECT_GE(real.clock().now(), 400);
  EXPECT_LT(spent, std::chrono::seconds(2));
  engine().close(window);
}

TEST_F(HeadlessTest, WaitingClockReallySleepsUntilTheTimerIsDue) {
  HeadlessFrontEnd waiting(HeadlessClock::Mode::RealWaiting);
  runtime::ScopedFrontEnd useWaiting(waiting);
  runtime::Window window(described("Work"));
  engine().open(window);
  window.setTimer(5);
  waiting.script(inWindow("Work", 3), press(Button));

  const auto started = std::chrono::steady_clock::now();
  const auto events = runUntilAccepted(window);
  const auto spent = std::chrono::steady_clock::now() - started;

  EXPECT_EQ(count(events, Event::Timer), 3);
  EXPECT_GE(waiting.clock().now(), 10);
  // Two periods of 50 ms after the first event, which does not wait, less the part of a
  // hundredth already gone when the timer was set.
  EXPECT_GE(spent, std::chrono::milliseconds(90));
  engine().close(window);
}

TEST_F(HeadlessTest, MessageBoxesTakeQueuedAnswersThenTheirDefault) {
  screen.answerMessageBox(runtime::Button::No);
  const runtime::MessageBoxRequest question{"Go on?|Really?", "Question", runtime::Icon::Warning,
                                            runtime::Button::Yes | runtime::Button::No,
                                            runtime::Button::Yes};

  EXPECT_EQ(runtime::messageBox(question), runtime::Button::No);
  EXPECT_EQ(runtime::messageBox(question), runtime::Button::Yes);

  ASSERT_EQ(screen.messageBoxes().size(), 2u);
  EXPECT_EQ(screen.messageBoxes()[0].request.text, "Go on?|Really?");
  EXPECT_EQ(screen.messageBoxes()[0].request.icon, runtime::Icon::Warning);
  EXPECT_EQ(screen.messageBoxes()[1].answer, runtime::Button::Yes);
}

TEST_F(HeadlessTest, RecordsWindowsAndWhatTheyShowed) {
  std::uint8_t progress = 0;
  runtime::Window first(described("One", &progress));
  engine().open(first);
  for (int step : {10, 20, 20, 30}) {
    progress = static_cast<std::uint8_t>(step);
    first.setText(Label, std::to_string(step) + "%");
    engine().display(first);
  }
  engine().close(first);
  runtime::Window second(described("Two"));
  engine().open(second);

  ASSERT_EQ(screen.windows().size(), 2u);
  const WindowRecord& one = *screen.window("One");
  EXPECT_FALSE(one.open);
  EXPECT_EQ(one.textHistory(Label), (std::vector<std::string>{"10%", "20%", "30%"}));
  EXPECT_EQ(one.valueHistory(Bar), (std::vector<int>{10, 20, 30}));
  EXPECT_EQ(one.lastText(Button), "Go");
  EXPECT_TRUE(screen.window("Two")->open);
  EXPECT_TRUE(second.hasPosition());
  engine().close(second);
}

}  // namespace
}  // namespace tallowmere::platform
