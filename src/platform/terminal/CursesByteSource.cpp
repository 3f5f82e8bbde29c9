#include "platform/terminal/CursesByteSource.h"

#include <curses.h>

namespace tallowmere::platform {

std::optional<int> CursesByteSource::next(int milliseconds) {
  timeout(milliseconds);
  const int key = getch();
  if (key == ERR) return std::nullopt;
  return key;
}

void CursesByteSource::putBack(int key) {
  ungetch(key);
}

}  // namespace tallowmere::platform
