#pragma once

#include "runtime/core/Calendar.h"

namespace tallowmere::platform {

// The local time by the process's time zone (TZ, else the system's).
class PosixCalendar : public runtime::Calendar {
 public:
  runtime::LocalTime now() const override;
};

}  // namespace tallowmere::platform
