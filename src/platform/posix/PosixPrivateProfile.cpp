#include "platform/posix/PosixPrivateProfile.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#include "runtime/files/AtomicFile.h"

namespace tallowmere::platform {

namespace {

// Larger files are not settings this program wrote; reading them whole on every call would
// only make start-up crawl, so they read as empty and are left alone.
constexpr std::uintmax_t LargestSettingsFile = 4 * 1024 * 1024;

std::filesystem::path configurationFolder() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
    return xdg;
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    return std::filesystem::path(home) / ".config";
  }
  return ".";
}

}  // namespace

std::filesystem::path PosixPrivateProfile::locate(std::string_view file) {
  const std::filesystem::path name(file);
  return name.has_parent_path() ? name : configurationFolder() / name;
}

std::optional<std::string> PosixPrivateProfile::loadText(std::string_view file) {
  const std::filesystem::path path = locate(file);
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return std::string();
  if (status.type() != std::filesystem::file_type::regular) return std::nullopt;
  if (std::filesystem::file_size(path, error) > LargestSettingsFile || error) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void PosixPrivateProfile::saveText(std::string_view file, std::string_view text) {
  const std::filesystem::path path = locate(file);
  std::error_code error;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
  runtime::writeWholeFile(path.string(), text);
}

}  // namespace tallowmere::platform
