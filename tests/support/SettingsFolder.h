#pragma once

#include <filesystem>

namespace tallowmere::testing {

// Has settings files named without a folder live under root instead of the user's own
// place, and returns the folder they then land in (the platform may add its own below).
std::filesystem::path placeSettingsUnder(const std::filesystem::path& root);

}  // namespace tallowmere::testing
