// The rules every front end follows for keys in windows and message boxes, on the real
// windows of the program and in neutral key codes.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/MainWindow.h"
#include "framework/process/ProgressWindow.h"
#include "platform/common/DialogKeys.h"
#include "platform/common/MessageBoxChoice.h"
#include "platform/common/MessageText.h"
#include "platform/common/UserInput.h"
#include "runtime/ui/KeyCodes.h"
#include "runtime/ui/Window.h"
#include "runtime/ui/WindowEngine.h"
#include "support/headless/HeadlessFrontEnd.h"

namespace tallowmere::platform {
namespace {

namespace Key = runtime::Key;
using runtime::Input;

constexpr int Process = 8;
constexpr int BrowseExport = 11;

// The control a key moves the focus to, which the window then has, as the engine does.
int focusAfter(runtime::Window& window, int key) {
  const std::optional<Input> input = inputForKey(window, key);
  if (!input || input->kind != Input::Kind::Select) return 0;
  EXPECT_EQ(input->keyCode, key);
  window.select(input->control);
  return input->control;
}

bool pressed(const std::optional<Input>& input, int control) {
  return input && input->kind == Input::Kind::Accept && input->control == control;
}

TEST(DialogKeys, FocusStepsThroughCheckBoxesAndButtonsOnly) {
  runtime::Window window(app::MainWindowDescription());
  window.select(1);
  EXPECT_EQ(focusAfter(window, Key::Tab), 3);  // the file name between is skipped
  EXPECT_EQ(focusAfter(window, Key::Down), 5);
  EXPECT_EQ(focusAfter(window, Key::ShiftTab), 3);
  EXPECT_EQ(focusAfter(window, Key::Up), 1);
  // Wraps round to the last control that takes the focus: the hidden Show in Folder does not.
  EXPECT_EQ(focusAfter(window, Key::Left), BrowseExport);
  EXPECT_EQ(focusAfter(window, Key::Right), 1);
  window.setEnabled(3, false);
  window.setVisible(5, false);
  EXPECT_EQ(focusAfter(window, Key::Tab), 6);

  // The progress window's focus sits on its bar, which takes none.
  std::uint8_t thermometer = 0;
  runtime::Window progress(framework::ProgressWindow(thermometer));
  progress.select(framework::Progress_Thermometer);
  EXPECT_EQ(focusAfter(progress, Key::Tab), framework::Progress_Cancel);
  EXPECT_EQ(focusAfter(progress, Key::ShiftTab), framework::Progress_Cancel);
}

TEST(DialogKeys, EnterPressesTheDefaultButtonSpaceTheFocusedControlEscCloses) {
  runtime::Window window(app::MainWindowDescription());
  window.select(1);
  EXPECT_TRUE(pressed(inputForKey(window, Key::Space), 1));
  EXPECT_EQ(inputForKey(window, Key::Enter), std::nullopt);  // a check box has the focus
  window.select(Process);
  EXPECT_TRUE(pressed(inputForKey(window, Key::Enter), Process));
  EXPECT_TRUE(pressed(inputForKey(window, Key::Space), Process));
  for (int key : {Key::Esc, Key::CtrlC}) {
    const std::optional<Input> close = inputForKey(window, key);
    ASSERT_TRUE(close);
    EXPECT_EQ(close->kind, Input::Kind::CloseRequest);
    EXPECT_EQ(close->keyCode, key);
  }
  EXPECT_EQ(inputForKey(window, 'X'), std::nullopt);

  std::uint8_t thermometer = 0;
  runtime::Window progress(framework::ProgressWindow(thermometer));
  progress.select(framework::Progress_Thermometer);
  EXPECT_TRUE(pressed(inputForKey(progress, Key::Enter), framework::Progress_Cancel));
  EXPECT_EQ(inputForKey(progress, Key::Space), std::nullopt);
  progress.setEnabled(framework::Progress_Cancel, false);
  EXPECT_EQ(inputForKey(progress, Key::Enter), std::nullopt);
}

TEST(DialogKeys, ScriptedKeysActInTheWindowOfTheirMoment) {
  HeadlessFrontEnd screen;
  runtime::ScopedFrontEnd installed{screen};
  runtime::WindowEngine& engine = runtime::WindowEngine::current();
  runtime::Window window(app::MainWindowDescription());
  engine.open(window);
  window.select(7);
  screen.scriptKey({}, 'Q');  // does nothing, so the next key follows at once
  screen.scriptKey({}, Key::Tab);
  screen.scriptKey({}, Key::Enter);

  std::vector<runtime::EventRecord> events;
  while (auto event = engine.accept()) {
    events.push_back(*event);
    if (event->event == runtime::Event::Accepted) break;
  }
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events.end()[-2], (runtime::EventRecord{runtime::Event::Selected, Process}));
  EXPECT_EQ(events.back(), (runtime::EventRecord{runtime::Event::Accepted, Process}));
  EXPECT_EQ(engine.keyCode(), Key::Enter);
  engine.close(window);
}

runtime::MessageBoxRequest question(int defaultButton) {
  return {"Are you sure?", "Question", runtime::Icon::Warning,
          runtime::Button::Yes + runtime::Button::No, defaultButton};
}

TEST(MessageBoxChoice, KeysAnswerAsTheBoxOffers) {
  MessageBoxChoice defaultYes(question(runtime::Button::Yes));
  EXPECT_EQ(defaultYes.answerKey(Key::Enter), runtime::Button::Yes);
  EXPECT_EQ(defaultYes.answerKey('N'), runtime::Button::No);
  EXPECT_EQ(defaultYes.answerKey('Y'), runtime::Button::Yes);
  EXPECT_EQ(defaultYes.answerKey(Key::Esc), runtime::Button::No);
  EXPECT_EQ(defaultYes.answerKey(Key::CtrlC), runtime::Button::No);
  EXPECT_EQ(defaultYes.answerKey('X'), std::nullopt);
  EXPECT_EQ(defaultYes.answerKey(Key::Tab), std::nullopt);
  EXPECT_EQ(defaultYes.answerKey(Key::Enter), runtime::Button::No);
  EXPECT_EQ(defaultYes.answerKey(Key::Left), std::nullopt);
  EXPECT_EQ(defaultYes.focusedButton(), runtime::Button::Yes);

  MessageBoxChoice defaultNo(question(runtime::Button::No));
  EXPECT_EQ(defaultNo.answerKey(Key::Space), runtime::Button::No);

  MessageBoxChoice notice({"Done.", "No Records"});
  EXPECT_EQ(notice.answerKey(Key::Esc), runtime::Button::OK);
  EXPECT_EQ(notice.answerKey('Y'), std::nullopt);  // Y and N answer questions only
  EXPECT_EQ(notice.answerKey(Key::Enter), runtime::Button::OK);

  // A default the box does not offer preselects its first button.
  MessageBoxChoice odd(question(runtime::Button::OK));
  EXPECT_EQ(odd.focusedButton(), runtime::Button::Yes);
}

TEST(MessageText, EveryBarStartsALine) {
  EXPECT_EQ(messageLines("one|two"), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(messageLines("a||b"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(messageLines("end|"), (std::vector<std::string>{"end", ""}));
  EXPECT_EQ(messageLines(""), (std::vector<std::string>{""}));
}

}  // namespace
}  // namespace tallowmere::platform
