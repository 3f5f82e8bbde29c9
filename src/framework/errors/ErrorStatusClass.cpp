#include "framework/errors/ErrorStatusClass.h"

namespace tallowmere::framework {

std::string ErrorStatusClass::cut(std::string_view text) {
  return std::string(text.substr(0, TextLimit));
}

ErrorStatus& ErrorStatusClass::current() {
  // Map nodes never move, so the reference stays valid while other threads add theirs.
  std::lock_guard lock(guard_);
  return states_[std::this_thread::get_id()];
}

}  // namespace tallowmere::framework
