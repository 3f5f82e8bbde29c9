#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/win32ui/DroppedFiles.h"

namespace tallowmere::platform {
namespace {

// A drop as Windows hands it over: a DROPFILES header, then the wide names, each ended by
// a NUL, and a NUL after the last.
HDROP dropOf(const std::vector<std::wstring>& names) {
  std::wstring list;
  for (const std::wstring& name : names) list += name + L'\0';
  list += L'\0';
  const std::size_t bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(header + 1, list.data(), list.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

// Names outside ASCII and longer than the classic 260 characters arrive whole, in UTF-8 and
// in their order.
TEST(DroppedFilesTest, EveryFileOfADropComesInItsOrderAsUtf8WhateverItsName) {
  const std::wstring longName = L"C:\\" + std::wstring(300, L'a') + L"\\Export.txa";
  const std::vector<std::string> files = takeDroppedFiles(
      dropOf({L"C:\\Dossier \u00e9 \u65e5\u672c\\\u00cfmport.txa", longName, L"D:\\b.txa"}));
  ASSERT_EQ(files.size(), 3u);
  EXPECT_EQ(files[0], "C:\\Dossier \xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac\\\xc3\x8fmport.txa");
  EXPECT_EQ(files[1], "C:\\" + std::string(300, 'a') + "\\Export.txa");
  EXPECT_EQ(files[2], "D:\\b.txa");
}

}  // namespace
}  // namespace tallowmere::platform
