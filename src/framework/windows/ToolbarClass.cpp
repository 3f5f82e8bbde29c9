#include "framework/windows/ToolbarClass.h"

#include "framework/core/Assert.h"

namespace tallowmere::framework {

void ToolbarClass::Init() {
  List.emplace();
  Current = nullptr;
}

void ToolbarClass::Kill() {
  List.reset();
  Current = nullptr;
}

void ToolbarClass::AddTarget(ToolbarTarget& target) {
  frameworkAssert(List.has_value(), "Toolbar has not been initialized");
  List->push_back(&target);
}

void ToolbarClass::SetTarget(std::int32_t control) {
  if (!List || List->empty()) return;
  if (control == 0) {
    Current = List->front();
    return;
  }
  for (ToolbarTarget* target : *List) {
    if (target->Control() == control) {
      Current = target;
      return;
    }
  }
}

void ToolbarClass::TakeEvent(std::int32_t* vcrRequest, WindowManager& window) {
  if (!List || List->empty()) return;
  if (!Current) SetTarget(0);
  Current->TakeToolbar(vcrRequest, window);
}

}  // namespace tallowmere::framework
