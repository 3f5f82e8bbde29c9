#include "platform/win32ui/DroppedFiles.h"

#include <memory>

#include "platform/win32/Utf16.h"

namespace tallowmere::platform {

namespace {

struct DropFinish {
  void operator()(HDROP__* drop) const { DragFinish(drop); }
};

constexpr UINT CountOfFiles = 0xFFFFFFFF;

}  // namespace

// A name's length is asked first: a path may be longer than the classic 260 characters.
std::vector<std::string> takeDroppedFiles(HDROP drop) {
  const std::unique_ptr<HDROP__, DropFinish> finished(drop);
  std::vector<std::string> files;
  const UINT count = DragQueryFileW(drop, CountOfFiles, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring name(DragQueryFileW(drop, i, nullptr, 0), L'\0');
    if (name.empty()) continue;
    DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size() + 1));
    files.push_back(toUtf8(name));
  }
  return files;
}

}  // namespace tallowmere::platform
