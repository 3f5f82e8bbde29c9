#pragma once

#include <memory>
#include <optional>

#include "platform/common/WindowStack.h"
#include "platform/win32ui/LastUserKey.h"
#include "platform/win32ui/NativeWindow.h"
#include "runtime/ui/FrontEnd.h"

namespace tallowmere::platform {

// The program's windows as Windows windows, driven by the thread's message loop: a wait
// for input pumps messages until the user has done something to the active window or the
// deadline passes, and a busy window's question whether input is pending pumps them too,
// so its window can still be moved, repainted and cancelled. A window opened over another
// (a progress window) is centred on it and modal: its owner takes no input while it is up.
// Every window stays on the work area of its monitor.
class WindowsFrontEnd final : public runtime::FrontEnd {
 public:
  WindowsFrontEnd() = default;
  ~WindowsFrontEnd() override;

  void openWindow(runtime::Window& window) override;
  void drawWindow(const runtime::Window& window) override;
  void closeWindow(const runtime::Window& window) override;
  std::optional<runtime::Input> waitForInput(runtime::Window& active,
                                             std::optional<runtime::Hundredths> deadline) override;
  bool inputPending(runtime::Window& active) override;
  bool personAtScreen() const override { return true; }
  const runtime::Clock& clock() const override { return clock_; }
  void beep() override;
  void shutdown() override;
  int showMessageBox(const runtime::MessageBoxRequest& request) override;

 private:
  struct Shown {
    std::unique_ptr<NativeWindow> native;
    bool disabledOwner = false;
  };
  NativeWindow* find(const runtime::Window& window);
  // Whether the top-level window is one of the program's own.
  bool isOurs(HWND root) const;
  void pumpMessages();
  void setBusy(bool busy);

  runtime::SteadyClock clock_;
  // Noted by the message loop, read by every window; declared first, it outlives them.
  LastUserKey lastKey_;
  WindowStack<Shown> windows_;
};

}  // namespace tallowmere::platform
