#include "app/batch/ReportFile.h"

#include "runtime/files/ErrorState.h"
#include "runtime/files/FileSystem.h"

namespace tallowmere::app {

namespace {

std::string temporaryOf(const std::string& path) {
  return path + ".partial";
}

}  // namespace

bool ReportFile::writable() {
  runtime::FileSystem& files = runtime::fileSystem();
  if (!files.replaceable(path_)) {
    problem_ = "it names something other than a file";
    return false;
  }
  if (files.create(temporaryOf(path_)) != 0) return failed();
  files.remove(temporaryOf(path_));
  return true;
}

bool ReportFile::write(const std::string& text) {
  runtime::FileSystem& files = runtime::fileSystem();
  const std::string temporary = temporaryOf(path_);
  if (files.create(temporary) != 0) return failed();
  int error = 0;
  {
    const auto file =
        files.open(temporary, runtime::FileAccess::Write, runtime::FileSharing::DenyWrite, error);
    if (file) error = file->writeAt(0, text.data(), text.size());
    if (file && error == 0) error = file->sync();
  }
  if (error == 0) error = files.replace(temporary, path_);
  if (error == 0) return true;
  const bool result = failed();
  files.remove(temporary);
  return result;
}

// Keeps what the last operation said went wrong; always false.
bool ReportFile::failed() {
  const runtime::ErrorState& error = runtime::lastError();
  problem_ = error.driverText.empty() ? error.text : error.driverText;
  return false;
}

}  // namespace tallowmere::app
