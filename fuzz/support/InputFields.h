#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tallowmere::fuzzing {

// The input cut at NUL bytes into exactly count fields; the last field takes the rest
// (NUL bytes included), fields the input has no room for are empty.
std::vector<std::string_view> splitFields(const std::uint8_t* data, std::size_t size,
                                          std::size_t count);

}  // namespace tallowmere::fuzzing
