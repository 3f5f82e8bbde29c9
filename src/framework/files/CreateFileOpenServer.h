#pragma once

#include <memory>

#include "framework/files/IFileOpenServer.h"
#include "runtime/files/File.h"

namespace tallowmere::framework {

// Whether each thread has its own instance of a file declaration or all threads share one.
enum class FileScope { PerThread, Process };

// A new server for a per-thread file; for a process-wide file the one server all of its
// managers share, linked once more for the caller. The caller gives its link back with
// Release() before dropping the pointer.
std::shared_ptr<IFileOpenServer> CreateFileOpenServer(runtime::File& file, FileScope scope);

}  // namespace tallowmere::framework
