#include "framework/errors/StandardErrorLogClass.h"

#include <cstdint>
#include <string>

#include "runtime/files/ErrorState.h"

namespace tallowmere::framework {

namespace {

// Other programs, and other runs of this one, may append to the same log meanwhile.
std::unique_ptr<runtime::OsFile> openShared(const std::string& name, int& error) {
  return runtime::fileSystem().open(name, runtime::FileAccess::ReadWrite,
                                    runtime::FileSharing::DenyNone, error);
}

}  // namespace

int StandardErrorLogClass::Open(bool force) {
  std::lock_guard lock(CritSect);
  if (Usage == 0 || force) {
    const std::string name(FileName);
    int error = 0;
    file_ = openShared(name, error);
    if (!file_ && error == runtime::ErrorCode::FileNotFound) {
      error = runtime::fileSystem().create(name);
      if (error == 0) file_ = openShared(name, error);
    }
    if (!file_) return error == 0 ? runtime::ErrorCode::OperatingSystemError : error;
  }
  ++Usage;
  return 0;
}

int StandardErrorLogClass::Take(std::string_view line) {
  std::lock_guard lock(CritSect);
  if (!file_) return runtime::ErrorCode::OperatingSystemError;
  std::string record(line.substr(0, LineLimit));
  record += "\r\n";
  std::int64_t end = 0;
  if (const int error = file_->size(end)) return error;
  return file_->writeAt(end, record.data(), record.size());
}

int StandardErrorLogClass::Close(bool force) {
  std::lock_guard lock(CritSect);
  int error = 0;
  if ((Usage == 1 || force) && file_) {
    error = file_->sync();
    file_.reset();
  }
  if (Usage > 0) --Usage;
  return error;
}

}  // namespace tallowmere::framework
