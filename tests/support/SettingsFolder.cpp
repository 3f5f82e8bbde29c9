#include "support/SettingsFolder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <stdlib.h>
#endif

namespace tallowmere::testing {

std::filesystem::path placeSettingsUnder(const std::filesystem::path& root) {
#ifdef _WIN32
  SetEnvironmentVariableW(L"APPDATA", root.wstring().c_str());
  const std::filesystem::path folder = root / "Tallowmere";
  std::filesystem::create_directories(folder);
  return folder;
#else
  ::setenv("XDG_CONFIG_HOME", root.c_str(), 1);
  std::filesystem::create_directories(root);
  return root;
#endif
}

}  // namespace tallowmere::testing
