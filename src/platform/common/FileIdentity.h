#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace tallowmere::platform {

// Which file a name stands for, as the system itself tells files apart: the names of one
// file (another spelling, a hard or symbolic link, a linked folder, on Windows another
// case) have one identity. A file not there yet is known by its folder and its name as
// that folder compares names.
struct FileIdentity {
  std::uint64_t volume = 0;  // the device or volume of the file, or of its folder
  std::uint64_t file = 0;    // the file's number there, or its folder's
  std::string missingName;   // empty for a file that is there

  auto operator<=>(const FileIdentity&) const = default;
};

// The identity of the file path names, or of the one it would create; nothing when not
// even its folder can be found. Each system asks its own file system in its own way.
std::optional<FileIdentity> fileIdentity(const std::string& path);

}  // namespace tallowmere::platform
