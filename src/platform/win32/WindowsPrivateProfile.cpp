#include "platform/win32/WindowsPrivateProfile.h"

#include <windows.h>
// Needs the types <windows.h> declares.
#include <shlobj.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

#include "platform/win32/Utf16.h"

namespace tallowmere::platform {

namespace {

// A value is read into a buffer of this size, its last character the terminating null.
constexpr DWORD ValueCapacity = 1024;
// Removing a key removes every copy of it a hand-edited file may hold; this bounds the
// work on a file that cannot be changed.
constexpr int MostCopies = 64;

std::wstring environment(const wchar_t* name) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  const DWORD length = GetEnvironmentVariableW(name, value.data(), size);
  value.resize(length < size ? length : 0);
  return value;
}

struct CoTaskMemFree_ {
  void operator()(wchar_t* text) const { CoTaskMemFree(text); }
};

std::wstring roamingApplicationData() {
  if (std::wstring set = environment(L"APPDATA"); !set.empty()) return set;
  wchar_t* folder = nullptr;
  const HRESULT result = SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder);
  const std::unique_ptr<wchar_t, CoTaskMemFree_> owned(folder);
  return SUCCEEDED(result) ? std::wstring(folder) : std::wstring(L".");
}

bool hasFolder(std::wstring_view name) {
  return name.find_first_of(L"\\/:") != std::wstring_view::npos;
}

// Nothing when the entry is missing.
std::optional<std::wstring> entry(const std::wstring& path, const std::wstring& section,
                                  const std::wstring& key) {
  // A default no value can equal: a control character the calls never return.
  constexpr wchar_t Missing[] = L"\x01";
  wchar_t value[ValueCapacity];
  GetPrivateProfileStringW(section.c_str(), key.c_str(), Missing, value, ValueCapacity,
                           path.c_str());
  if (std::wstring_view(value) == Missing) return std::nullopt;
  return std::wstring(value);
}

}  // namespace

std::wstring WindowsPrivateProfile::locate(std::string_view file) {
  const std::wstring name = toUtf16(file);
  if (hasFolder(name)) return name;
  const std::filesystem::path folder =
      std::filesystem::path(roamingApplicationData()) / L"Tallowmere";
  std::error_code ignored;  // a folder that cannot be made shows as settings that read empty
  std::filesystem::create_directories(folder, ignored);
  return (folder / name).wstring();
}

std::string WindowsPrivateProfile::read(std::string_view file, std::string_view section,
                                        std::string_view key, std::string_view defaultValue) {
  const std::optional<std::wstring> value = entry(locate(file), toUtf16(section), toUtf16(key));
  return value ? toUtf8(*value) : std::string(defaultValue);
}

void WindowsPrivateProfile::write(std::string_view file, std::string_view section,
                                  std::string_view key, std::string_view value) {
  const std::wstring path = locate(file);
  const std::wstring wideSection = toUtf16(section);
  const std::wstring wideKey = toUtf16(key);
  const std::wstring wideValue = toUtf16(value);
  // Rewriting the whole file for a value it already holds would only cost time.
  if (entry(path, wideSection, wideKey) == wideValue) return;
  WritePrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideValue.c_str(), path.c_str());
}

void WindowsPrivateProfile::remove(std::string_view file, std::string_view section,
                                   std::string_view key) {
  const std::wstring path = locate(file);
  const std::wstring wideSection = toUtf16(section);
  const std::wstring wideKey = toUtf16(key);
  for (int copy = 0; copy < MostCopies && entry(path, wideSection, wideKey); ++copy) {
    if (!WritePrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), nullptr, path.c_str())) {
      return;
    }
  }
}

}  // namespace tallowmere::platform
