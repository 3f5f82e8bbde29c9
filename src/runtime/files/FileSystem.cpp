#include "runtime/files/FileSystem.h"

#include "runtime/core/RequiredService.h"

namespace tallowmere::runtime {

namespace {
RequiredService<FileSystem> installed("file system");
}

void installFileSystem(FileSystem& fileSystem) { installed.install(fileSystem); }

FileSystem& fileSystem() { return installed.get(); }

}  // namespace tallowmere::runtime
