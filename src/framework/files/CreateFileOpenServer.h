#pragma once

#include <memory>

#include "framework/files/IFileOpenServer.h"
#include "runtime/files/File.h"

namespace tallowmere::framework {

// A new server for a per-thread file; for a process-wide file the one server all of its
// managers share, linked once more for the caller. The caller gives its link back with
// Release() before dropping the pointer.
std::shared_ptr<IFileOpenServer> CreateFileOpenServer(runtime::File& file);

}  // namespace tallowmere::framework
