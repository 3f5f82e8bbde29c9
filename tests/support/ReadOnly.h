#pragma once

#include <filesystem>

namespace tallowmere::testing {

// Makes a file read-only for its owner the way the platform marks it (permission bits on
// POSIX, the read-only attribute on Windows), or writable again.
void setReadOnly(const std::filesystem::path& file, bool readOnly);

}  // namespace tallowmere::testing
