#include "support/ReadOnly.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tallowmere::testing {

void setReadOnly(const std::filesystem::path& file, bool readOnly) {
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesW(file.c_str());
  SetFileAttributesW(file.c_str(), readOnly ? attributes | FILE_ATTRIBUTE_READONLY
                                            : attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
#else
  namespace fs = std::filesystem;
  const fs::perms writes =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  fs::permissions(file, readOnly ? writes : fs::perms::owner_write,
                  readOnly ? fs::perm_options::remove : fs::perm_options::add);
#endif
}

}  // namespace tallowmere::testing
