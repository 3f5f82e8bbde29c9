#include "runtime/files/AtomicFile.h"

#include <cstdio>
#include <random>

#include "runtime/files/ErrorState.h"
#include "runtime/files/FileSystem.h"

namespace tallowmere::runtime {

namespace {

bool exists(const std::string& path) {
  int error = 0;
  return fileSystem().open(path, FileAccess::Read, FileSharing::DenyNone, error) != nullptr ||
         error != ErrorCode::FileNotFound;
}

}  // namespace

// A random part keeps two programs writing the same file at once from sharing a temporary.
std::string AtomicFile::unusedName() const {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char tag[16];
    std::snprintf(tag, sizeof tag, ".%08x", static_cast<unsigned>(random()));
    const std::string name = target_ + tag + ".partial";
    if (!exists(name)) return name;
  }
  return {};
}

int AtomicFile::begin() {
  FileSystem& files = fileSystem();
  std::string name = partialName(target_);
  if (naming_ == Naming::Partial) {
    files.remove(name);
  } else if ((name = unusedName()).empty()) {
    return setError(ErrorCode::AccessDenied);
  }
  if (const int error = files.create(name); error != 0) return error;
  temporary_ = TemporaryFile(std::move(name));
  return ErrorCode::NoError;
}

int AtomicFile::commit() {
  if (const int error = fileSystem().replace(temporary_.path(), target_); error != 0) return error;
  temporary_.keep();
  return ErrorCode::NoError;
}

int writeWholeFile(const std::string& target, std::string_view text) {
  AtomicFile file(target, AtomicFile::Naming::Unused);
  if (const int error = file.begin(); error != 0) return error;
  int error = 0;
  {
    const auto written =
        fileSystem().open(file.temporary(), FileAccess::Write, FileSharing::DenyWrite, error);
    if (written) error = written->writeAt(0, text.data(), text.size());
    if (written && error == 0) error = written->sync();
  }
  return error != 0 ? error : file.commit();
}

}  // namespace tallowmere::runtime
