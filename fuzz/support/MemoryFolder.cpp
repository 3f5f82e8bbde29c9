#include "support/MemoryFolder.h"

#include "platform/common/MemoryOsFile.h"
#include "runtime/files/ErrorState.h"

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
  return std::make_unique<platform::MemoryOsFile>(file->second, 0);
}

int MemoryFolder::create(const std::string& path) {
  auto& file = files_[path];
  if (file) {
    file->clear();
  } else {
    file = std::make_shared<std::string>();
  }
  runtime::clearError();
  return runtime::ErrorCode::NoError;
}

int MemoryFolder::replace(const std::string& from, const std::string& to) {
  auto moved = files_.extract(from);
  if (moved.empty()) return runtime::setError(runtime::ErrorCode::FileNotFound);
  files_.erase(to);
  moved.key() = to;
  files_.insert(std::move(moved));
  runtime::clearError();
  return runtime::ErrorCode::NoError;
}

int MemoryFolder::remove(const std::string& path) {
  if (files_.erase(path) == 0) return runtime::setError(runtime::ErrorCode::FileNotFound);
  runtime::clearError();
  return runtime::ErrorCode::NoError;
}

std::optional<std::string> MemoryFolder::get(const std::string& path) const {
  const auto file = files_.find(path);
  if (file == files_.end()) return std::nullopt;
  return *file->second;
}

}  // namespace tallowmere::fuzzing
