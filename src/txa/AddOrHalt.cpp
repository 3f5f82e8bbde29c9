#include "txa/AddOrHalt.h"

#include <string>

#include "runtime/files/ErrorState.h"
#include "runtime/ui/Halt.h"

namespace tallowmere::txa {

namespace {

// An operating-system failure says little by its general text ("File System Error"); the
// system's own text and number tell the user what went wrong (a full disk, say).
std::string failureText(const runtime::ErrorState& error) {
  if (error.code == runtime::ErrorCode::OperatingSystemError && !error.driverText.empty()) {
    return error.driverText + " (" + error.driverCode + ")";
  }
  return error.text;
}

[[noreturn]] void haltWithLastError() {
  const runtime::ErrorState& error = runtime::lastError();
  runtime::halt(std::to_string(error.code) + " " + failureText(error));
}

}  // namespace

void addOrHalt(runtime::File& file) {
  haltOnError(file.add());
}

void flushOrHalt(runtime::File& file) {
  haltOnError(file.flush());
}

void haltOnError(int error) {
  if (error != 0) haltWithLastError();
}

}  // namespace tallowmere::txa
