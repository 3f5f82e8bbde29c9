#include "app/batch/ReportFile.h"

#include "platform/common/StreamFile.h"
#include "runtime/files/AtomicFile.h"
#include "runtime/files/ErrorState.h"
#include "runtime/files/FileSystem.h"

namespace tallowmere::app {

bool ReportFile::writable() {
  if (toStandardOutput()) return true;
  if (!runtime::fileSystem().replaceable(path_)) {
    problem_ = "it names something other than a file";
    return false;
  }
  runtime::AtomicFile trial(path_, runtime::AtomicFile::Naming::Unused);
  return trial.begin() == 0 || failed();
}

bool ReportFile::write(const std::string& text) {
  if (toStandardOutput()) {
    problem_ = platform::writeStandardOutput(text);
    return problem_.empty();
  }
  return runtime::writeWholeFile(path_, text) == 0 || failed();
}

// Keeps what the last operation said went wrong; always false.
bool ReportFile::failed() {
  const runtime::ErrorState& error = runtime::lastError();
  problem_ = error.driverText.empty() ? error.text : error.driverText;
  return false;
}

}  // namespace tallowmere::app
