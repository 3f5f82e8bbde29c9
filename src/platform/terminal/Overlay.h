#pragma once

#include "platform/terminal/ScreenPainter.h"

namespace tallowmere::platform {

// A modal dialog of the front end's own, drawn over the windows while the front end waits
// for the user's answer: a message box or a file dialog. Only the top one is active.
class Overlay {
 public:
  virtual ~Overlay() = default;
  virtual const WindowFrame& frame() const = 0;
  virtual void paint(ScreenPainter& painter, bool active) const = 0;
};

}  // namespace tallowmere::platform
