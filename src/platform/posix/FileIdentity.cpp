#include "platform/common/FileIdentity.h"

#include <sys/stat.h>

#include <cerrno>

namespace tallowmere::platform {

namespace {

// Follows links, so a link and the file it leads to are one.
std::optional<FileIdentity> existing(const std::string& path, int& error) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    error = errno;
    return std::nullopt;
  }
  return FileIdentity{
      static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino), {}};
}

}  // namespace

std::optional<FileIdentity> fileIdentity(const std::string& path) {
  int error = 0;
  if (auto found = existing(path, error)) return found;
  const std::size_t slash = path.rfind('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (error != ENOENT || name.empty()) return std::nullopt;
  const std::string folder =
      slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
  std::optional<FileIdentity> identity = existing(folder, error);
  // Names are compared as bytes, as the system's own folders compare them. A folder that
  // ignores case (a FAT stick) is seen as one only through files that are already there.
  if (identity) identity->missingName = name;
  return identity;
}

}  // namespace tallowmere::platform
