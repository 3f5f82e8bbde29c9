#include "txa/AddOrHalt.h"

#include <string>

#include "runtime/files/ErrorState.h"
#include "runtime/ui/Halt.h"

namespace tallowmere::txa {

namespace {

// An operating-system failure says little by its general text ("File System Error"): the
// system's own words tell the user what went wrong (a full disk, say), and the code in
// front already says that the system reported it.
std::string causeText(const runtime::ErrorState& error) {
  if (error.code == runtime::ErrorCode::OperatingSystemError && !error.driverText.empty()) {
    return error.driverText;
  }
  return error.text;
}

void haltOnWriteError(int error, std::string_view shown) {
  if (error != 0) haltOnError(error, std::string(shown) + " could not be written");
}

}  // namespace

void addOrHalt(runtime::File& file, std::string_view shown) {
  haltOnWriteError(file.add(), shown);
}

void flushOrHalt(runtime::File& file, std::string_view shown) {
  haltOnWriteError(file.flush(), shown);
}

void haltOnError(int error, std::string_view failure, std::string_view after) {
  if (error == 0) return;
  const runtime::ErrorState& state = runtime::lastError();
  runtime::halt(std::to_string(state.code) + " " + std::string(failure) + ": " + causeText(state) +
                std::string(after));
}

}  // namespace tallowmere::txa
