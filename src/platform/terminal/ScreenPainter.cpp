#include "platform/terminal/ScreenPainter.h"

#include <curses.h>

#include <algorithm>

#include "platform/terminal/CellText.h"

namespace tallowmere::platform {

namespace {

attr_t attributeOf(Ink ink) {
  switch (ink) {
    case Ink::Highlight:
      return A_REVERSE;
    case Ink::Dim:
      return A_DIM;
    case Ink::Field:
      return A_UNDERLINE;
    case Ink::Normal:
      break;
  }
  return A_NORMAL;
}

constexpr int CaptionIndent = 2;

}  // namespace

void ScreenPainter::clear() {
  erase();
}

void ScreenPainter::text(CellPoint at, const std::string& shown, Ink ink) {
  if (at.row < 0 || at.row >= screen_.rows || shown.empty()) return;
  std::string visible = shown;
  int column = at.column;
  if (column < 0) {
    const int cells = cellsOf(shown);
    visible = tailWithin(shown, cells + column);
    column += cells - cellsOf(visible);
  }
  visible = headWithin(visible, screen_.columns - column);
  if (visible.empty()) return;
  attrset(attributeOf(ink));
  mvaddstr(at.row, column, visible.c_str());
  attrset(A_NORMAL);
}

void ScreenPainter::glyphs(CellPoint at, int cells, const std::string& utf8) {
  if (at.row < 0 || at.row >= screen_.rows || at.column < 0) return;
  if (at.column + cells > screen_.columns) return;
  mvaddstr(at.row, at.column, utf8.c_str());
}

void ScreenPainter::controlLabel(CellPoint at, const std::string& label, bool focused,
                                 Ink unfocused) {
  text(at, label, focused ? Ink::Highlight : unfocused);
  if (focused) text({at.column - 1, at.row}, ">");
}

void ScreenPainter::box(const CellRect& box, bool active) {
  const attr_t lines = active ? A_NORMAL : A_DIM;
  attrset(lines);
  const auto put = [&](int row, int column, chtype glyph) {
    if (row >= 0 && row < screen_.rows && column >= 0 && column < screen_.columns) {
      mvaddch(row, column, glyph);
    }
  };
  const int top = box.origin.row, bottom = box.bottom() - 1;
  const int left = box.origin.column, right = box.right() - 1;
  for (int column = left + 1; column < right; ++column) {
    put(top, column, ACS_HLINE);
    put(bottom, column, ACS_HLINE);
  }
  for (int row = top + 1; row < bottom; ++row) {
    put(row, left, ACS_VLINE);
    put(row, right, ACS_VLINE);
  }
  put(top, left, ACS_ULCORNER);
  put(top, right, ACS_URCORNER);
  put(bottom, left, ACS_LLCORNER);
  put(bottom, right, ACS_LRCORNER);
  attrset(A_NORMAL);
}

void ScreenPainter::frame(const WindowFrame& frame, const std::string& caption, bool active) {
  const CellRect& outer = frame.outer;
  const std::string blank(outer.size.columns, ' ');
  for (int row = outer.origin.row; row < outer.bottom(); ++row) {
    text({outer.origin.column, row}, blank);
  }
  box(outer, active);

  const int left = outer.origin.column, top = outer.origin.row;
  const CellRect closeBox = frame.closeBox();
  const int room = closeBox.origin.column - 1 - (left + CaptionIndent);
  const std::string title = headWithin(" " + shownText(caption) + " ", room);
  const Ink titleInk = active ? Ink::Highlight : Ink::Dim;
  text({left + CaptionIndent, top}, title, titleInk);
  text(closeBox.origin, "[x]", active ? Ink::Normal : Ink::Dim);
}

void ScreenPainter::show() {
  refresh();
}

}  // namespace tallowmere::platform
