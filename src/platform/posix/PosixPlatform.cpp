#include "platform/posix/PosixPlatform.h"

#include "platform/posix/PosixCalendar.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixPrivateProfile.h"
#include "runtime/core/Calendar.h"
#include "runtime/files/FileSystem.h"
#include "runtime/settings/PrivateProfile.h"

namespace tallowmere::platform {

void installPosixServices() {
  static PosixFileSystem fileSystem;
  runtime::installFileSystem(fileSystem);
  static PosixPrivateProfile settings;
  runtime::installPrivateProfile(settings);
  static PosixCalendar calendar;
  runtime::installCalendar(calendar);
}

}  // namespace tallowmere::platform
