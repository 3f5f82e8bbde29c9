#pragma once

#include <clocale>
#include <string>

namespace tallowmere::platform {

// The locale's characters for a scope, as a terminal session sets them from the
// environment: how texts are shown depends on them.
class ScopedLocale {
 public:
  explicit ScopedLocale(const char* characters = "C.UTF-8")
      : before_(std::setlocale(LC_CTYPE, nullptr)) {
    std::setlocale(LC_CTYPE, characters);
  }
  ~ScopedLocale() { std::setlocale(LC_CTYPE, before_.c_str()); }
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;

 private:
  std::string before_;
};

}  // namespace tallowmere::platform
