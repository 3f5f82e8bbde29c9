#include "runtime/core/ThreadSlot.h"

#include <iterator>

#include <windows.h>
#include <winternl.h>

namespace tallowmere::runtime {

// Without a free index (the system has over a thousand) every read is null, so the callers
// keep working through their thread_locals, only more slowly.
ThreadSlot::ThreadSlot() : index_(TlsAlloc()) {}

// Read where TlsGetValue reads it, in the thread's own block, without the call into the
// system for every record; the first 64 indexes live there. GCC 12 takes the block's
// address, read from the gs segment at a fixed offset, for an access past an empty array.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
void* ThreadSlot::address() const {
  if (index_ < std::size(TEB{}.TlsSlots)) return NtCurrentTeb()->TlsSlots[index_];
  return index_ == TLS_OUT_OF_INDEXES ? nullptr : TlsGetValue(index_);
}
#pragma GCC diagnostic pop

void ThreadSlot::remember(void* address) const {
  if (index_ != TLS_OUT_OF_INDEXES) TlsSetValue(index_, address);
}

}  // namespace tallowmere::runtime
