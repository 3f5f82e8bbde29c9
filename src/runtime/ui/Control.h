#pragma once

#include <string>

#include "runtime/ui/WindowDescription.h"

namespace tallowmere::runtime {

// One control of an open window: its design and what it shows now.
struct Control {
  explicit Control(const ControlDescription& description)
      : design(description), text(description.text), visible(description.visible) {}

  int number() const { return design.number; }
  ControlKind kind() const { return design.kind; }
  bool canTakeInput() const { return visible && enabled; }

  ControlDescription design;
  std::string text;
  bool checked = false;  // check boxes
  int value = 0;         // progress bars, 0..100
  bool visible;
  bool enabled = true;
};

}  // namespace tallowmere::runtime
