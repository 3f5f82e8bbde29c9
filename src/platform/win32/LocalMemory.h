#pragma once

#include <windows.h>

#include <memory>

namespace tallowmere::platform {

// Memory that a Windows call allocated with LocalAlloc for its caller.
struct LocalFreeDeleter {
  void operator()(void* memory) const { LocalFree(memory); }
};
template <class T>
using LocalMemory = std::unique_ptr<T, LocalFreeDeleter>;

}  // namespace tallowmere::platform
