#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "framework/windows/ToolbarClass.h"
#include "framework/windows/WindowComponent.h"
#include "framework/windows/WindowManager.h"
#include "runtime/ui/KeyCodes.h"
#include "runtime/ui/Window.h"
#include "runtime/ui/WindowEngine.h"
#include "support/RecordingMessageBox.h"
#include "support/headless/HeadlessFrontEnd.h"

namespace tallowmere::framework {
namespace {

using platform::press;

constexpr int OkButton = 1;
constexpr int CancelButton = 2;
constexpr int Field = 3;

runtime::WindowDescription dialog() {
  runtime::WindowDescription description;
  description.caption = "Dialog";
  description.width = 100;
  description.height = 40;
  description.resizable = true;
  description.controls = {
      {OkButton, runtime::ControlKind::Button, 0, 0, 20, 10, "OK", "", nullptr},
      {CancelButton, runtime::ControlKind::Button, 30, 0, 20, 10, "Cancel", "", nullptr},
      {Field, runtime::ControlKind::FixedText, 0, 20, 50, 10, "text", "", nullptr},
  };
  return description;
}

// A window procedure that notes which hooks ran.
class Dialog : public WindowManager {
 public:
  explicit Dialog(runtime::Window& window) : window_(window) {}

  Level Init() override {
    const Level rval = WindowManager::Init();
    if (rval != Level::Benign) return rval;
    if (failInit) return Level::Fatal;
    FirstField = Field;
    if (focusBeforeOpen) window_.post(runtime::Event::GainFocus);
    Open(window_);
    for (const ResponseButton& button : buttons) AddItem(button.Control, button.Action);
    return Level::Benign;
  }
  Level Kill() override {
    ++kills;
    return WindowManager::Kill();
  }
  void Open() override {
    ++opens;
    WindowManager::Open();
  }
  using WindowManager::Open;
  void Reset(std::uint8_t force) override {
    ++resets;
    WindowManager::Reset(force);
  }
  Level TakeCloseEvent() override {
    ++closeEvents;
    return closeEvents <= refuseCloses ? Level::Notify : Level::Benign;
  }
  Level TakeWindowEvent() override {
    if (MyWindow->currentEvent().event == runtime::Event::OpenWindow) {
      WindowManager::TakeWindowEvent();
      focusAfterOpen = MyWindow->focus();
      return Level::Benign;
    }
    return WindowManager::TakeWindowEvent();
  }

  std::vector<ResponseButton> buttons;
  bool failInit = false;
  bool focusBeforeOpen = false;
  int refuseCloses = 0;
  int opens = 0;
  int resets = 0;
  int kills = 0;
  int closeEvents = 0;
  int focusAfterOpen = 0;

 private:
  runtime::Window& window_;
};

class WindowManagerTest : public ::testing::Test {
 protected:
  platform::HeadlessFrontEnd screen;
  runtime::ScopedFrontEnd installed{screen};
  runtime::Window window{dialog()};
  Dialog manager{window};
};

TEST(WindowManagerDeathTest, WindowsRunOnlyOnTheThreadThatInstalledThePlatformServices) {
  platform::HeadlessFrontEnd screen;
  const runtime::ScopedFrontEnd installed{screen};
  const tallowmere::testing::RecordingMessageBox boxes;
  runtime::Window window{dialog()};
  Dialog manager{window};
  EXPECT_EXIT(std::thread([&] { manager.Run(); }).join(), ::testing::ExitedWithCode(3),
              "Assertion failed: Windows run on the thread that installed the platform services");
}

TEST_F(WindowManagerTest, ResponseButtonEndsTheWindowWithItsResponse) {
  manager.buttons = {{OkButton, RequestCompleted}, {CancelButton, RequestCancelled}};
  screen.script(press(OkButton));

  EXPECT_EQ(manager.Run(), RequestCompleted);

  EXPECT_FALSE(window.isOpen());
  EXPECT_EQ(manager.kills, 1);
  EXPECT_EQ(manager.Dead, 1);
}

TEST_F(WindowManagerTest, FirstRegistrationOfAButtonWins) {
  manager.buttons = {{OkButton, RequestCompleted}, {OkButton, RequestCancelled}};
  screen.script(press(OkButton));

  EXPECT_EQ(manager.Run(), RequestCompleted);
}

TEST_F(WindowManagerTest, ClosedOtherwiseIsCancelled) {
  manager.buttons = {{OkButton, RequestCompleted}};
  screen.script(platform::closeWindow());

  EXPECT_EQ(manager.Run(), RequestCancelled);
  EXPECT_EQ(screen.unscriptedCloses(), 0);
}

TEST_F(WindowManagerTest, CloseAnsweredWithNotifyKeepsTheWindowOpen) {
  manager.refuseCloses = 1;
  screen.script(platform::closeWindow());
  screen.script(press(Field));  // proves the loop went on after the refused close
  screen.script(platform::closeWindow());

  EXPECT_EQ(manager.Run(), RequestCancelled);
  EXPECT_EQ(manager.closeEvents, 2);
  EXPECT_EQ(screen.pendingSteps(), 0u);
}

TEST_F(WindowManagerTest, OpeningRunsTheHookOnceAndFocusesTheFirstField) {
  screen.script(platform::closeWindow());

  manager.Run();

  EXPECT_EQ(manager.opens, 1);
  EXPECT_EQ(manager.focusAfterOpen, Field);
}

TEST_F(WindowManagerTest, FocusGainedBeforeOpenedRunsTheHookInsteadOfReset) {
  manager.focusBeforeOpen = true;
  screen.script(platform::closeWindow());

  manager.Run();

  EXPECT_EQ(manager.opens, 1);
  EXPECT_EQ(manager.focusAfterOpen, Field);
  // The hook's own reset, then the engine's focus event after opening.
  EXPECT_EQ(manager.resets, 2);
}

TEST_F(WindowManagerTest, OnlyLaterSizeEventsReset) {
  screen.script(platform::resizeTo(120, 50));
  screen.script(platform::resizeTo(130, 60));
  screen.script(platform::resizeTo(140, 70));
  screen.script(platform::closeWindow());

  manager.Run();

  // Open() and the focus event reset once each; of three size events the first does not.
  EXPECT_EQ(manager.resets, 2 + 2);
  EXPECT_TRUE(manager.Inited & WindowManager::SizedFlag);
}

TEST_F(WindowManagerTest, KillWithoutInitTouchesNothing) {
  EXPECT_EQ(manager.WindowManager::Kill(), Level::Notify);
  EXPECT_EQ(manager.Dead, 0);
}

TEST_F(WindowManagerTest, FailedInitStillKillsAndIsCancelled) {
  manager.failInit = true;

  EXPECT_EQ(manager.Run(), RequestCancelled);
  EXPECT_EQ(manager.kills, 1);
  EXPECT_EQ(manager.Dead, 1);
  EXPECT_EQ(manager.WindowManager::Kill(), Level::Notify);
}

TEST_F(WindowManagerTest, RightMouseKeyIsClearedByInit) {
  runtime::WindowEngine::current().setKeyCode(runtime::Key::MouseRightUp);
  manager.WindowManager::Init();
  EXPECT_EQ(runtime::WindowEngine::current().keyCode(), 0);
  manager.WindowManager::Kill();
}

// A component that asks for a reset after every third event and notes what it was told.
class CountingComponent : public WindowComponent {
 public:
  explicit CountingComponent(std::vector<std::string>& log) : log_(log) {}
  Level TakeEvent() override {
    ++events;
    return Level::Benign;
  }
  bool ResetRequired() override { return events % 3 == 0; }
  void Reset(bool) override { log_.push_back("reset"); }
  void SetAlerts() override { log_.push_back("alerts"); }
  void Update() override { log_.push_back("update"); }
  void Kill() override { log_.push_back("kill"); }
  int events = 0;

 private:
  std::vector<std::string>& log_;
};

TEST_F(WindowManagerTest, ComponentsFollowTheWindow) {
  std::vector<std::string> log;
  CountingComponent first(log);
  CountingComponent second(log);
  ASSERT_EQ(manager.Init(), Level::Benign);
  manager.AddItem(first);
  manager.AddItem(second);
  manager.SetAlerts();
  manager.Update();
  window.post(runtime::Event::Selected, Field);
  // Opened, focus gained (both reset the window), then the selection: third event, so the
  // window is reset once more.
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(runtime::WindowEngine::current().accept());
    manager.TakeEvent();
  }
  manager.Kill();

  EXPECT_EQ(first.events, 3);
  EXPECT_EQ(log, (std::vector<std::string>{"alerts", "alerts", "update", "update", "reset", "reset",
                                           "reset", "reset", "reset", "reset", "kill", "kill"}));
}

// A toolbar target that notes the requests it sees.
class Target : public ToolbarTarget {
 public:
  std::int32_t Control() const override { return Field; }
  void TakeToolbar(std::int32_t* vcr, WindowManager&) override { seen.push_back(vcr ? *vcr : -1); }
  std::vector<std::int32_t> seen;
};

TEST_F(WindowManagerTest, ToolbarSeesAcceptedControlsAndCancelClearsTheRequest) {
  std::int32_t vcr = 7;
  ToolbarClass toolbar;
  Target target;
  manager.buttons = {{CancelButton, RequestCancelled}};
  ASSERT_EQ(manager.Init(), Level::Benign);
  manager.VCRRequest = &vcr;
  manager.AddItem(toolbar);
  toolbar.AddTarget(target);
  screen.script(press(CancelButton));
  manager.Ask();
  manager.Kill();

  EXPECT_EQ(target.seen, (std::vector<std::int32_t>{7}));
  EXPECT_EQ(vcr, 0);
  EXPECT_EQ(manager.Response, RequestCancelled);
}

}  // namespace
}  // namespace tallowmere::framework
