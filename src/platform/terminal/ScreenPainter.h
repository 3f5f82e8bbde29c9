#pragma once

#include <string>

#include "platform/terminal/WindowFrame.h"

namespace tallowmere::platform {

enum class Ink {
  Normal,
  Highlight,  // the focus, the active title: reverse video
  Dim,        // disabled controls, inactive frames
  Field,      // a line to type in: underlined
};

// Draws on the curses screen, clipped to it. Texts are in their shown form (CellText.h),
// so that they are clipped by the cells they take; the pre-rendered progress bar is drawn
// only when it fits.
class ScreenPainter {
 public:
  explicit ScreenPainter(CellSize screen) : screen_(screen) {}

  CellSize screen() const { return screen_; }
  void clear();
  void text(CellPoint at, const std::string& shown, Ink ink = Ink::Normal);
  void glyphs(CellPoint at, int cells, const std::string& utf8);
  // A control's label; the focused one in reverse video with a '>' before it.
  void controlLabel(CellPoint at, const std::string& label, bool focused,
                    Ink unfocused = Ink::Normal);
  // The lines round a box, dimmed when it is not active.
  void box(const CellRect& box, bool active);
  // Blank box with a frame; the top line shows caption (any UTF-8) and the close box.
  void frame(const WindowFrame& frame, const std::string& caption, bool active);
  void show();

 private:
  CellSize screen_;
};

}  // namespace tallowmere::platform
