#pragma once

#include <cstdint>

namespace tallowmere::framework {

// Per-thread globals through which window procedures hand requests and responses on.
extern thread_local std::uint8_t GlobalRequest;
extern thread_local std::uint8_t GlobalResponse;
extern thread_local std::int32_t VCRRequest;

}  // namespace tallowmere::framework
