#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace tallowmere::framework {

class WindowManager;

// Something a toolbar button can act on, such as a browse of the window.
class ToolbarTarget {
 public:
  virtual ~ToolbarTarget() = default;
  // The control the target belongs to; SetTarget chooses targets by it.
  virtual std::int32_t Control() const = 0;
  virtual void TakeToolbar(std::int32_t* vcrRequest, WindowManager& window) = 0;
};

// Passes toolbar events to the target chosen last. A window registers it with AddItem.
class ToolbarClass {
 public:
  void Init();
  void Kill();
  void AddTarget(ToolbarTarget& target);
  // Chooses the target belonging to control; 0 chooses the first.
  void SetTarget(std::int32_t control);
  void TakeEvent(std::int32_t* vcrRequest, WindowManager& window);

 private:
  std::optional<std::vector<ToolbarTarget*>> List;
  ToolbarTarget* Current = nullptr;
};

}  // namespace tallowmere::framework
