#include "platform/posix/PosixPlatform.h"

#include "platform/posix/PosixCalendar.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixPrivateProfile.h"
#include "runtime/core/PlatformServices.h"

namespace tallowmere::platform {

void installPosixServices() {
  static PosixFileSystem fileSystem;
  static PosixPrivateProfile settings;
  static PosixCalendar calendar;
  runtime::installPlatformServices(
      {.files = &fileSystem, .settings = &settings, .calendar = &calendar});
}

}  // namespace tallowmere::platform
