#pragma once

#include "framework/core/Levels.h"

namespace tallowmere::framework {

// A further per-record step a report runs after its process's own, and told when the
// window closes.
class RecordProcessor {
 public:
  virtual ~RecordProcessor() = default;
  virtual Level TakeRecord() = 0;
  virtual Level TakeClose() = 0;
};

}  // namespace tallowmere::framework
