#include "app/FilePaths.h"

#include <system_error>

namespace tallowmere::app {

namespace fs = std::filesystem;

fs::path pathOf(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string exportBeside(const std::string& import) {
  const fs::path path = pathOf(import);
  fs::path name = path.stem();
  name += u8"-C6";
  name += path.extension();
  return utf8Of(path.parent_path() / name);
}

namespace {

fs::path absolute(const std::string& path) {
  std::error_code error;
  const fs::path whole = fs::absolute(pathOf(path), error);
  return error ? pathOf(path) : whole.lexically_normal();
}

}  // namespace

std::string shownName(const std::string& path) {
  const fs::path whole = absolute(path);
  std::error_code error;
  if (fs::equivalent(whole.parent_path(), fs::current_path(error), error)) {
    return utf8Of(whole.filename());
  }
  return utf8Of(whole);
}

std::string folderOf(const std::string& path) {
  return utf8Of(absolute(path).parent_path());
}

bool sameFile(const std::string& one, const std::string& other) {
  std::error_code error;
  return fs::equivalent(pathOf(one), pathOf(other), error);
}

}  // namespace tallowmere::app
