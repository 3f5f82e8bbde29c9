#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tallowmere::framework {

// Position of the first occurrence of macro in text at or after from, ignoring the case
// of ASCII letters; npos when there is none.
std::size_t findMacro(std::string_view text, std::string_view macro, std::size_t from = 0);

// Replaces every occurrence of macro (any case) with value, keeping text at most limit
// characters. The search goes on behind each inserted value, so a value that contains
// its own macro name is inserted once; when macro and value are equal ignoring case,
// nothing is replaced at all.
void replaceMacro(std::string& text, std::string_view macro, std::string_view value,
                  std::size_t limit);

}  // namespace tallowmere::framework
