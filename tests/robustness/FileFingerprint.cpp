#include "robustness/FileFingerprint.h"

#include <fstream>
#include <vector>

namespace tallowmere::testing {

namespace {
constexpr std::uint64_t FnvOffset = 14695981039346656037ull;
constexpr std::uint64_t FnvPrime = 1099511628211ull;
constexpr std::size_t BlockSize = std::size_t{1} << 20;
}  // namespace

FileFingerprint fingerprint(const std::filesystem::path& path) {
  FileFingerprint print;
  // Checked before opening: opening a named pipe would wait for a writer.
  if (!std::filesystem::is_regular_file(path)) return print;
  std::ifstream in(path, std::ios::binary);
  if (!in) return print;
  print.exists = true;
  print.hash = FnvOffset;
  std::vector<char> block(BlockSize);
  while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0) {
    const auto got = static_cast<std::size_t>(in.gcount());
    for (std::size_t i = 0; i < got; ++i) {
      print.hash = (print.hash ^ static_cast<unsigned char>(block[i])) * FnvPrime;
    }
    print.size += got;
  }
  return print;
}

std::ostream& operator<<(std::ostream& out, const FileFingerprint& print) {
  if (!print.exists) return out << "(no regular file)";
  return out << print.size << " bytes, hash " << std::hex << print.hash << std::dec;
}

}  // namespace tallowmere::testing
