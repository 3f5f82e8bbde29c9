#pragma once

#if defined(_WIN32)
#include "runtime/core/ThreadSlot.h"
#endif

namespace tallowmere::runtime {

// This thread's instance of a per-thread object that is reached for every record. `instance`
// returns the address of a thread_local; each call site (each lambda) is one object.
//
// Most compilers reach a thread_local with a load. The Windows build's compiler emulates
// them: every access takes a lock and several calls, which made a conversion there three
// times slower than the same work on Linux. So on Windows a thread finds its instance in
// the system's own thread storage once it has reached the thread_local the first time.
template <class Instance>
inline auto& perThread(Instance instance) {
#if defined(_WIN32)
  using Address = decltype(instance());
  static const ThreadSlot slot;
  if (void* known = slot.address()) return *static_cast<Address>(known);
  Address made = instance();
  slot.remember(made);
  return *made;
#else
  return *instance();
#endif
}

}  // namespace tallowmere::runtime
