#include "support/FolderListing.h"

namespace tallowmere::testing {

std::set<std::string> entriesOf(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

}  // namespace tallowmere::testing
