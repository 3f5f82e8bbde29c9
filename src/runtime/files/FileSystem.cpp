#include "runtime/files/FileSystem.h"

#include "runtime/core/PlatformServices.h"
#include "runtime/core/RequiredService.h"

namespace tallowmere::runtime {

FileSystem& fileSystem() {
  return required(platformServices().files, "file system");
}

}  // namespace tallowmere::runtime
