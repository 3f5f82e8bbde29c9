#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>

namespace tallowmere::testing {

// What a file held, without holding it: its size and a hash of its bytes, read in blocks,
// so that a 100 MB input can be checked for being untouched without a copy in memory.
struct FileFingerprint {
  bool exists = false;
  std::uintmax_t size = 0;
  std::uint64_t hash = 0;

  friend bool operator==(const FileFingerprint&, const FileFingerprint&) = default;
};

FileFingerprint fingerprint(const std::filesystem::path& path);

std::ostream& operator<<(std::ostream& out, const FileFingerprint& print);

}  // namespace tallowmere::testing
