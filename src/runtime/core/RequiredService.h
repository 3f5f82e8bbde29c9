#pragma once

#include <cstdio>
#include <cstdlib>

namespace tallowmere::runtime {

// A platform service the start-up installs once. A program that forgot one cannot do
// anything useful, so using it before then ends the program with a plain message instead
// of a crash somewhere deeper.
template <class Service>
Service& required(Service* service, const char* what) {
  if (service == nullptr) {
    std::fprintf(stderr, "Tallowmere: no %s installed\n", what);
    std::abort();
  }
  return *service;
}

}  // namespace tallowmere::runtime
