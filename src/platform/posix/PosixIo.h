#pragma once

#include <cstddef>
#include <cstdint>

namespace tallowmere::platform {

// Writes every byte of data from offset on, again after a signal interrupts a write: 0 when
// all is written, else the errno of the failure. A device that accepts nothing counts as
// full, where a plain loop would spin for ever.
int writeFully(int descriptor, std::int64_t offset, const char* data, std::size_t size);

}  // namespace tallowmere::platform
