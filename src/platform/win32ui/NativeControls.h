#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "platform/win32ui/DialogFont.h"
#include "platform/win32ui/InputQueue.h"
#include "runtime/ui/Window.h"

namespace tallowmere::platform {

// The native child controls of a window, one for each control of its description, placed in
// the description's dialog units with the window's font. They go with their parent window.
class NativeControls {
 public:
  NativeControls() = default;
  // Creates them as children of parent; the first button is the default push button.
  NativeControls(HWND parent, const runtime::Window& window);

  // Gives every control the font, and its place in it at a scale of dpi.
  void layOut(const runtime::Window& window, const DialogFont& font, UINT dpi);
  // Shows each control's text, state, value, and whether it is enabled and visible as they
  // are now, where they changed.
  void draw(const runtime::Window& window, const InputQueue& waiting);
  // The child that shows control number; none: nullptr.
  HWND find(int number) const;

  // The child identifiers of the controls in WM_COMMAND and DM_GETDEFID, and back (0: not a
  // control's, such as IDCANCEL).
  static int commandId(int number);
  static int numberOf(int commandId);

 private:
  HWND create(HWND parent, const runtime::Control& control, bool isDefault, bool centred);
  void showCheck(int number, bool checked, const InputQueue& waiting);

  std::map<int, HWND> children_;
  std::map<int, std::string> shownTexts_;
};

}  // namespace tallowmere::platform
