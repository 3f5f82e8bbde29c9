#include "platform/common/DryRunFileSystem.h"

#include "platform/common/MemoryOsFile.h"
#include "runtime/files/ErrorState.h"

namespace tallowmere::platform {

namespace {

int ok() {
  runtime::clearError();
  return runtime::ErrorCode::NoError;
}

// All of a file's bytes, or nothing when it cannot be read.
std::optional<std::string> readWhole(runtime::OsFile& file) {
  std::string bytes;
  std::int64_t size = 0;
  if (file.size(size) != 0) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(size));
  std::size_t at = 0;
  while (at < bytes.size()) {
    std::size_t got = 0;
    if (file.readAt(static_cast<std::int64_t>(at), bytes.data() + at, bytes.size() - at, got) !=
            0 ||
        got == 0)
      break;
    at += got;
  }
  bytes.resize(at);
  return bytes;
}

}  // namespace

SharedBytes DryRunFileSystem::copyOf(const std::string& path, int& error) {
  if (const auto copy = copies_.find(path); copy != copies_.end()) return copy->second;
  if (removed_.count(path) != 0) {
    error = runtime::setError(runtime::ErrorCode::FileNotFound);
    return nullptr;
  }
  std::optional<std::string> bytes = onDisk(path, error);
  if (!bytes) return nullptr;
  return copies_[path] = std::make_shared<std::string>(std::move(*bytes));
}

std::optional<std::string> DryRunFileSystem::onDisk(const std::string& path, int& error) {
  const auto file =
      real_.open(path, runtime::FileAccess::Read, runtime::FileSharing::DenyNone, error);
  if (!file) return std::nullopt;
  std::optional<std::string> bytes = readWhole(*file);
  if (!bytes) error = runtime::lastError().code;
  return bytes;
}

std::unique_ptr<runtime::OsFile> DryRunFileSystem::open(const std::string& path,
                                                        runtime::FileAccess access,
                                                        runtime::FileSharing sharing, int& error) {
  // A file only read is read where it is: the input may be large.
  if (access == runtime::FileAccess::Read && copies_.count(path) == 0 && removed_.count(path) == 0)
    return real_.open(path, access, sharing, error);
  SharedBytes copy = copyOf(path, error);
  if (!copy) return nullptr;
  error = ok();
  return std::make_unique<MemoryOsFile>(std::move(copy));
}

int DryRunFileSystem::create(const std::string& path) {
  SharedBytes& copy = copies_[path];
  if (copy) {
    copy->clear();
  } else {
    copy = std::make_shared<std::string>();
  }
  removed_.erase(path);
  return ok();
}

int DryRunFileSystem::replace(const std::string& from, const std::string& to) {
  int error = 0;
  if (!copyOf(from, error)) return error;
  auto moved = copies_.extract(from);
  removed_.insert(from);
  copies_.erase(to);
  removed_.erase(to);
  moved.key() = to;
  copies_.insert(std::move(moved));
  return ok();
}

int DryRunFileSystem::remove(const std::string& path) {
  copies_.erase(path);
  removed_.insert(path);
  return ok();
}

std::optional<std::string> DryRunFileSystem::original(const std::string& path) {
  int error = 0;
  return onDisk(path, error);
}

std::optional<std::string> DryRunFileSystem::contents(const std::string& path) {
  int error = 0;
  const SharedBytes copy = copyOf(path, error);
  if (!copy) return std::nullopt;
  return *copy;
}

}  // namespace tallowmere::platform
