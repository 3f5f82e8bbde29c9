#pragma once

#include <cstdio>
#include <cstdlib>

namespace tallowmere::runtime {

// A platform service the front end's main() installs once at start. A front end that
// forgot one cannot do anything useful, so using it before then ends the program with a
// plain message instead of a crash somewhere deeper.
template <class Service>
class RequiredService {
 public:
  explicit constexpr RequiredService(const char* what) : what_(what) {}

  void install(Service& service) { service_ = &service; }

  Service& get() const {
    if (service_ == nullptr) {
      std::fprintf(stderr, "Tallowmere: no %s installed\n", what_);
      std::abort();
    }
    return *service_;
  }

 private:
  const char* what_;
  Service* service_ = nullptr;
};

}  // namespace tallowmere::runtime
