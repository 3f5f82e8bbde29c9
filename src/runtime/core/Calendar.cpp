#include "runtime/core/Calendar.h"

#include "runtime/core/RequiredService.h"

namespace tallowmere::runtime {

namespace {
RequiredService<const Calendar> installed("calendar");
}

void installCalendar(const Calendar& calendar) {
  installed.install(calendar);
}

const Calendar& calendar() {
  return installed.get();
}

}  // namespace tallowmere::runtime
