#include "platform/win32ui/ShellFolder.h"

#include <windows.h>
// Needs the types <windows.h> declares.
#include <shlobj.h>

#include <memory>

#include "platform/win32/Utf16.h"
#include "platform/win32/WindowsPath.h"

namespace tallowmere::platform {

namespace {

struct ItemListFree {
  void operator()(ITEMIDLIST* list) const { ILFree(list); }
};

}  // namespace

// The shell takes a full path, without the \\?\ prefix that lifts the file calls' length limit.
bool showInShellFolder(const std::string& path) {
  ITEMIDLIST* parsed = nullptr;
  if (FAILED(SHParseDisplayName(fullWindowsPath(toUtf16(path)).c_str(), nullptr, &parsed, 0,
                                nullptr))) {
    return false;
  }
  const std::unique_ptr<ITEMIDLIST, ItemListFree> item(parsed);
  return SUCCEEDED(SHOpenFolderAndSelectItems(item.get(), 0, nullptr, 0));
}

}  // namespace tallowmere::platform
