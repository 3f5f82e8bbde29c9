#pragma once

#include <windows.h>

#include <optional>
#include <utility>

#include "platform/win32ui/DialogFont.h"
#include "platform/win32ui/InputQueue.h"
#include "platform/win32ui/LastUserKey.h"
#include "platform/win32ui/NativeControls.h"
#include "runtime/ui/FrontEnd.h"
#include "runtime/ui/Window.h"

namespace tallowmere::platform {

// One of the program's windows on the Windows desktop: a top-level window with a native
// child control for each control of its description, placed in the description's dialog
// units with the window's font at its monitor's scale; moved onto a monitor of another scale,
// it takes that scale's font, and its controls their places with it. What the user does to
// it is kept as runtime inputs until the engine takes them, with the key that did it as the
// front end's message loop saw it (lastKey, which must outlive the window).
class NativeWindow {
 public:
  NativeWindow(const runtime::Window& window, HWND owner, const LastUserKey& lastKey);
  ~NativeWindow();
  NativeWindow(const NativeWindow&) = delete;
  NativeWindow& operator=(const NativeWindow&) = delete;

  HWND handle() const { return handle_; }
  // Places the window at a position in dialog units; none: centred over the area below it
  // (in screen pixels); in either case on its monitor's work area. Returns the position it
  // took, in dialog units.
  runtime::Point place(std::optional<runtime::Point> position, const RECT& below);
  void show();
  // Shows the window's caption, texts, states and focus as they are now.
  void draw(const runtime::Window& window);

  std::optional<runtime::Input> takeInput();
  bool hasInput() const { return !inputs_.empty(); }
  // Whether the window was shown otherwise before.
  bool setBusy(bool busy) { return std::exchange(busy_, busy) != busy; }

 private:
  // The window and its procedure (NativeWindow.cpp).
  static void registerClass();
  static LRESULT CALLBACK procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void command(int id, int code);

  // Its scale and place on the monitors (NativeWindowPlacement.cpp).
  SIZE frameSize(const DialogFont& font, UINT dpi) const;
  void fitFrame();
  void rescale(UINT dpi);
  POINT designedPlace(std::optional<runtime::Point> position, const RECT& below) const;
  void moveFrame(POINT to);
  bool keepOnWorkArea();
  runtime::Point framePlace() const;
  void moveTo(runtime::Point position);
  void moveOntoScale(UINT dpi, const RECT& suggested);
  void notePlace();

  // Its focus (NativeWindowFocus.cpp).
  void showFocus(int number);
  void restoreFocus();
  void focusControl(int number);

  const runtime::Window& window_;
  const LastUserKey& lastKey_;
  HWND handle_ = nullptr;
  UINT dpi_;
  DialogFont font_;
  NativeControls controls_;
  InputQueue inputs_;
  // Where the window was put last, by the program or the user, in dialog units.
  std::optional<runtime::Point> placed_;
  bool placing_ = false;
  bool busy_ = false;
  // The control the program last put the focus on, or heard the user act on: only a focus the
  // program moves itself moves the window's, which the user may have moved meanwhile.
  int focusShown_ = 0;
  // The window's focus when it was last deactivated, given back when it is active again.
  HWND focusLeft_ = nullptr;
};

}  // namespace tallowmere::platform
