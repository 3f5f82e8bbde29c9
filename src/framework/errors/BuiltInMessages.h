#pragma once

#include <cstdint>
#include <span>

namespace tallowmere::framework {

// The reporter's own message table as one packed block (layout in MessageBlock.h). It
// lives for the whole process, so table entries may point into it.
std::span<const std::uint8_t> builtInMessages();

}  // namespace tallowmere::framework
