#pragma once

#include "framework/core/Levels.h"

namespace tallowmere::framework {

// Something a window manager carries along with its window (a browse, a resizer, ...):
// it sees every event after the manager and is kept up to date by the manager's Reset.
class WindowComponent {
 public:
  virtual ~WindowComponent() = default;
  virtual Level TakeEvent() = 0;
  // Whether the window should be reset after the current event.
  virtual bool ResetRequired() = 0;
  // Brings the component's display up to date; force redraws even what seems current.
  virtual void Reset(bool force) = 0;
  // Registers the keys the component wants to see as alert-key events.
  virtual void SetAlerts() = 0;
  // Writes the component's state back to its variables.
  virtual void Update() = 0;
  virtual void Kill() = 0;
};

}  // namespace tallowmere::framework
