#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tallowmere::testing {

// A fresh folder under the system's temporary folder, removed with everything in it when
// the object goes; optionally the working folder while it lives.
class TempDir {
 public:
  explicit TempDir(bool enter = false);
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
  std::filesystem::path previous_;
  bool entered_;
};

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);
// Lines each ended with CR LF, as exports and our output end them.
std::string crlf(const std::vector<std::string>& lines);

}  // namespace tallowmere::testing
