#pragma once

#include "platform/common/HeadlessClock.h"
#include "platform/common/UnansweredWaits.h"
#include "runtime/ui/FrontEnd.h"

namespace tallowmere::platform {

// A front end with nobody at it: windows are shown nowhere, a wait for a timer skips the
// time to it, so timer-driven work never sits idle, a window that waits for the user is
// told that input has ended and closes (see UnansweredWaits), and a message box takes its
// default button. A derived front end reports what it chooses to.
class NoUserFrontEnd : public runtime::FrontEnd {
 public:
  void openWindow(runtime::Window& window) override;
  void drawWindow(const runtime::Window&) override {}
  void closeWindow(const runtime::Window&) override {}
  std::optional<runtime::Input> waitForInput(runtime::Window& active,
                                             std::optional<runtime::Hundredths> deadline) override;
  bool inputPending(runtime::Window&) override { return false; }
  bool personAtScreen() const override { return false; }
  int showMessageBox(const runtime::MessageBoxRequest& request) override;
  const runtime::Clock& clock() const override { return clock_; }
  // There is no screen to give back.
  void shutdown() override {}

 private:
  HeadlessClock clock_{HeadlessClock::Mode::RealSkippingWaits};
  UnansweredWaits unanswered_;
};

}  // namespace tallowmere::platform
