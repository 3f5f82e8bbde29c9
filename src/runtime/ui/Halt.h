#pragma once

#include <string_view>

namespace tallowmere::runtime {

// Ends the process at once: shows message (when not empty) in a box captioned "Halt", runs
// the exit hooks (buffered file data is written, the terminal restored) and exits with a
// non-zero status, so that whatever started the program never takes a halt for success.
[[noreturn]] void halt(std::string_view message, int status = 1);

}  // namespace tallowmere::runtime
