#include "platform/terminal/KeyCodes.h"

#include <curses.h>

#include <cctype>

#include "runtime/ui/KeyCodes.h"

namespace tallowmere::platform {

int neutralKey(int key) {
  namespace Key = runtime::Key;
  switch (key) {
    case '\t':
      return Key::Tab;
    case KEY_BTAB:
      return Key::ShiftTab;
    case '\r':
    case '\n':
    case KEY_ENTER:
      return Key::Enter;
    case EscapeKey:
      return Key::Esc;
    case ControlC:
      return Key::CtrlC;
    case ' ':
      return Key::Space;
    case KEY_UP:
      return Key::Up;
    case KEY_DOWN:
      return Key::Down;
    case KEY_LEFT:
      return Key::Left;
    case KEY_RIGHT:
      return Key::Right;
    default:
      break;
  }
  // Either case of a letter, as a user would not think of Shift when answering Y or N.
  if (key >= 0 && key < 128 && std::isalpha(key)) return std::toupper(key);
  return 0;
}

}  // namespace tallowmere::platform
