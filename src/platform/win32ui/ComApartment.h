#pragma once

#include <objbase.h>

namespace tallowmere::platform {

// The thread in COM's single-threaded apartment, which the shell's dialogs and calls need,
// for the object's life.
class ComApartment {
 public:
  ComApartment()
      : entered_(
            SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
  }
  ~ComApartment() {
    if (entered_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool entered_;
};

}  // namespace tallowmere::platform
