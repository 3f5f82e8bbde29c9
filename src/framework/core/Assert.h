#pragma once

#include <source_location>
#include <string_view>

namespace tallowmere::framework {

// A programming error inside the framework: reported with the module and line, then the
// process ends. No input the user can give reaches one.
[[noreturn]] void assertionFailure(std::string_view message,
                                   std::source_location where = std::source_location::current());

inline void frameworkAssert(bool condition, std::string_view message,
                            std::source_location where = std::source_location::current()) {
  if (!condition) assertionFailure(message, where);
}

}  // namespace tallowmere::framework
