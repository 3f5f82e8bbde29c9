#include "support/MemoryFolder.h"

#include "runtime/files/ErrorState.h"
#include "support/MemoryFile.h"

namespace tallowmere::fuzzing {

std::unique_ptr<runtime::OsFile> MemoryFolder::open(const std::string& path, runtime::FileAccess,
                                                    runtime::FileSharing, int& error) {
  const auto file = files_.find(path);
  if (file == files_.end()) {
    error = runtime::setError(runtime::ErrorCode::FileNotFound);
    return nullptr;
  }
  runtime::clearError();
  error = runtime::ErrorCode::NoError;
  return std::make_unique<MemoryFile>(file->second, 0);
}

int MemoryFolder::create(const std::string& path) {
  files_[path].clear();
  runtime::clearError();
  return runtime::ErrorCode::NoError;
}

std::optional<std::string> MemoryFolder::get(const std::string& path) const {
  const auto file = files_.find(path);
  if (file == files_.end()) return std::nullopt;
  return file->second;
}

}  // namespace tallowmere::fuzzing
