#include "platform/common/FileIdentity.h"

#include <windows.h>

#include "platform/win32/Utf16.h"
#include "platform/win32/WindowsPath.h"

namespace tallowmere::platform {

namespace {

struct Handle {
  HANDLE value;
  ~Handle() {
    if (value != INVALID_HANDLE_VALUE) CloseHandle(value);
  }
};

// Asks for no access, so a file that another program holds is still looked at; a folder
// opens only with backup semantics.
std::optional<FileIdentity> existing(const std::wstring& path) {
  const Handle file{CreateFileW(path.c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)};
  BY_HANDLE_FILE_INFORMATION information{};
  if (file.value == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(file.value, &information)) {
    return std::nullopt;
  }
  return FileIdentity{information.dwVolumeSerialNumber,
                      std::uint64_t{information.nFileIndexHigh} << 32 | information.nFileIndexLow,
                      {}};
}

// Windows folders find a name in any case, so names are compared in one.
std::wstring upperCase(const std::wstring& name) {
  std::wstring upper(name.size(), L'\0');
  const int length = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, name.c_str(),
                                   static_cast<int>(name.size()), upper.data(),
                                   static_cast<int>(upper.size()), nullptr, nullptr, 0);
  return length > 0 ? upper.substr(0, static_cast<std::size_t>(length)) : name;
}

}  // namespace

std::optional<FileIdentity> fileIdentity(const std::string& path) {
  const std::wstring name = windowsPath(path);
  if (auto found = existing(name)) return found;
  if (GetLastError() != ERROR_FILE_NOT_FOUND) return std::nullopt;
  const std::wstring full = fullWindowsPath(name);
  const std::size_t separator = full.find_last_of(L'\\');
  if (separator == std::wstring::npos || separator + 1 == full.size()) return std::nullopt;
  // The folder keeps its backslash: "C:" alone would be the drive's current folder.
  std::optional<FileIdentity> identity = existing(full.substr(0, separator + 1));
  if (identity) identity->missingName = toUtf8(upperCase(full.substr(separator + 1)));
  return identity;
}

}  // namespace tallowmere::platform
