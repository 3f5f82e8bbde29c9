#pragma once

#include <string_view>

namespace tallowmere::framework {

// Where an assertion stands in the source. Filled in by the compiler's builtins, which
// both GCC and clang provide (std::source_location is missing from older clang).
struct SourcePlace {
  const char* file;
  unsigned line;
  static constexpr SourcePlace here(const char* file = __builtin_FILE(),
                                    unsigned line = __builtin_LINE()) {
    return {file, line};
  }
};

// A programming error inside the framework: reported with the module and line, then the
// process ends. No input the user can give reaches one.
[[noreturn]] void assertionFailure(std::string_view message,
                                   SourcePlace where = SourcePlace::here());

inline void frameworkAssert(bool condition, std::string_view message,
                            SourcePlace where = SourcePlace::here()) {
  if (!condition) assertionFailure(message, where);
}

}  // namespace tallowmere::framework
