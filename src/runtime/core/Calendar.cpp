#include "runtime/core/Calendar.h"

#include "runtime/core/PlatformServices.h"
#include "runtime/core/RequiredService.h"

namespace tallowmere::runtime {

const Calendar& calendar() {
  return required(platformServices().calendar, "calendar");
}

}  // namespace tallowmere::runtime
