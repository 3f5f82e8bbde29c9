#pragma once

#include "runtime/core/Calendar.h"

namespace tallowmere::platform {

// The local time as Windows keeps it for the user's time zone.
class WindowsCalendar : public runtime::Calendar {
 public:
  runtime::LocalTime now() const override;
};

}  // namespace tallowmere::platform
