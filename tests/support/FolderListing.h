#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace tallowmere::testing {

// The names a folder holds, sorted; symbolic links are listed, not followed.
std::set<std::string> entriesOf(const std::filesystem::path& folder);

}  // namespace tallowmere::testing
