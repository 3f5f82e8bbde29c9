#include "runtime/files/TemporaryFile.h"

#include <utility>

#include "runtime/files/FileSystem.h"

namespace tallowmere::runtime {

TemporaryFile::TemporaryFile(std::string path)
    : path_(std::move(path)), slot_(PendingRemovals::add(path_)) {}

TemporaryFile::~TemporaryFile() {
  remove();
}

TemporaryFile::TemporaryFile(TemporaryFile&& other) noexcept
    : path_(std::exchange(other.path_, {})),
      slot_(std::exchange(other.slot_, PendingRemovals::NoSlot)) {}

TemporaryFile& TemporaryFile::operator=(TemporaryFile&& other) noexcept {
  if (this != &other) {
    remove();
    path_ = std::exchange(other.path_, {});
    slot_ = std::exchange(other.slot_, PendingRemovals::NoSlot);
  }
  return *this;
}

void TemporaryFile::keep() {
  PendingRemovals::drop(std::exchange(slot_, PendingRemovals::NoSlot));
  path_.clear();
}

void TemporaryFile::remove() {
  if (!held()) return;
  const std::string path = path_;
  keep();
  fileSystem().remove(path);
}

}  // namespace tallowmere::runtime
