#include "runtime/files/FileSystem.h"

#include <cstdio>
#include <cstdlib>

namespace tallowmere::runtime {

namespace {
FileSystem* installed = nullptr;
}

void installFileSystem(FileSystem& fileSystem) { installed = &fileSystem; }

FileSystem& fileSystem() {
  if (installed == nullptr) {
    // A front end that forgot its file layer cannot do anything useful; say so plainly.
    std::fputs("Tallowmere: no file system installed\n", stderr);
    std::abort();
  }
  return *installed;
}

}  // namespace tallowmere::runtime
