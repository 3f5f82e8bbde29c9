#include "platform/win32/WindowsPath.h"

#include <windows.h>

#include "platform/win32/Utf16.h"

namespace tallowmere::platform {

namespace {

// The classic limit counts the terminating null; CreateDirectoryW allows 12 fewer.
constexpr std::size_t ClassicLimit = MAX_PATH - 12;

bool hasLongPathPrefix(const std::wstring& path) {
  return path.starts_with(L"\\\\?\\");
}

}  // namespace

std::wstring fullWindowsPath(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  full.resize(length < size ? length : 0);
  return full.empty() ? path : full;
}

std::wstring windowsPath(const std::string& utf8) {
  std::wstring path = toUtf16(utf8);
  if (path.size() < ClassicLimit || hasLongPathPrefix(path)) return path;
  // The prefix switches off the system's own clean-up of the name, so it is done first:
  // forward slashes, "." and ".." resolved.
  std::wstring full = fullWindowsPath(path);
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

}  // namespace tallowmere::platform
