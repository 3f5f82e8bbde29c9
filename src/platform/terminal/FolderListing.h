#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere::platform {

// What a file dialog lists of a folder: ".." (but at the root), the folders, then the
// files the filter lets through, each group by name with case ignored. Names are the bytes
// on disk. Names beginning with '.' are hidden unless asked for. A folder that cannot be
// read (wholly) is listed as far as it could be, with why.
struct FolderEntry {
  std::string name;
  bool folder = false;
  std::optional<std::uintmax_t> size;  // files whose size could be read
};

enum class FileFilter {
  Txa,  // *.txa, in either case
  All,
};

struct FolderListing {
  std::vector<FolderEntry> entries;
  std::string problem;  // empty when the folder was read whole
};

FolderListing listFolder(const std::filesystem::path& folder, FileFilter filter,
                         bool hidden = false);

bool isTxaName(std::string_view name);

}  // namespace tallowmere::platform
