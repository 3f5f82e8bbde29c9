#include "platform/win32ui/ShellFolder.h"

#include <windows.h>
// Needs the types <windows.h> declares.
#include <shlobj.h>

#include <memory>

#include "platform/win32/Utf16.h"

namespace tallowmere::platform {

namespace {

struct ItemListFree {
  void operator()(ITEMIDLIST* list) const { ILFree(list); }
};

// The shell takes a full path with backslashes, without the \\?\ prefix that lifts the
// length limit of the file calls.
std::wstring shellPath(const std::string& path) {
  const std::wstring given = toUtf16(path);
  std::wstring full(GetFullPathNameW(given.c_str(), 0, nullptr, nullptr), L'\0');
  full.resize(
      GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
  return full.empty() ? given : full;
}

}  // namespace

bool showInShellFolder(const std::string& path) {
  ITEMIDLIST* parsed = nullptr;
  if (FAILED(SHParseDisplayName(shellPath(path).c_str(), nullptr, &parsed, 0, nullptr))) {
    return false;
  }
  const std::unique_ptr<ITEMIDLIST, ItemListFree> item(parsed);
  return SUCCEEDED(SHOpenFolderAndSelectItems(item.get(), 0, nullptr, 0));
}

}  // namespace tallowmere::platform
