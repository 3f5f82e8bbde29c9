#include "platform/win32ui/FileDialog.h"

#include <shobjidl.h>
#include <wrl/client.h>

#include <memory>
#include <optional>

#include "platform/win32/Utf16.h"
#include "platform/win32/WindowsPath.h"

namespace tallowmere::platform {

namespace {

using Microsoft::WRL::ComPtr;

const COMDLG_FILTERSPEC FileTypes[] = {{L"TXA files (*.txa)", L"*.txa"},
                                       {L"All files (*.*)", L"*.*"}};

struct TaskMemoryFree {
  void operator()(wchar_t* memory) const { CoTaskMemFree(memory); }
};

ComPtr<IShellItem> folderItem(const std::string& folder) {
  const std::wstring name = folder.empty() ? fullWindowsPath(L".") : toUtf16(folder);
  ComPtr<IShellItem> item;
  SHCreateItemFromParsingName(name.c_str(), nullptr, IID_PPV_ARGS(&item));
  return item;
}

std::optional<std::string> pathOf(IShellItem* item) {
  wchar_t* name = nullptr;
  if (FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &name))) return std::nullopt;
  const std::unique_ptr<wchar_t, TaskMemoryFree> owned(name);
  return toUtf8(name);
}

// The dialog asks before replacing a file and leaves the working folder as it was: the
// default files lie there.
void prepare(IFileDialog& dialog, const runtime::FileChoice& choice) {
  const bool save = choice.purpose == runtime::FileChoice::Purpose::Save;
  FILEOPENDIALOGOPTIONS options = 0;
  dialog.GetOptions(&options);
  options |= FOS_FORCEFILESYSTEM | FOS_NOCHANGEDIR | FOS_PATHMUSTEXIST;
  options |= save ? FOS_OVERWRITEPROMPT : FOS_FILEMUSTEXIST;
  if (!save && choice.several) options |= FOS_ALLOWMULTISELECT;
  dialog.SetOptions(options);
  dialog.SetFileTypes(static_cast<UINT>(std::size(FileTypes)), FileTypes);
  if (save) dialog.SetDefaultExtension(L"txa");
  if (!choice.title.empty()) dialog.SetTitle(toUtf16(choice.title).c_str());
  if (const ComPtr<IShellItem> folder = folderItem(choice.folder)) dialog.SetFolder(folder.Get());
  if (!choice.name.empty()) dialog.SetFileName(toUtf16(choice.name).c_str());
}

std::vector<std::string> chosenFiles(IFileOpenDialog& dialog) {
  std::vector<std::string> paths;
  ComPtr<IShellItemArray> items;
  DWORD count = 0;
  if (FAILED(dialog.GetResults(&items)) || FAILED(items->GetCount(&count))) return paths;
  for (DWORD i = 0; i < count; ++i) {
    ComPtr<IShellItem> item;
    if (FAILED(items->GetItemAt(i, &item))) continue;
    if (std::optional<std::string> path = pathOf(item.Get())) paths.push_back(std::move(*path));
  }
  return paths;
}

std::vector<std::string> chosenFile(IFileDialog& dialog) {
  ComPtr<IShellItem> item;
  if (FAILED(dialog.GetResult(&item))) return {};
  std::optional<std::string> path = pathOf(item.Get());
  return path ? std::vector<std::string>{std::move(*path)} : std::vector<std::string>{};
}

}  // namespace

std::vector<std::string> showFileDialog(HWND owner, const runtime::FileChoice& choice) {
  const bool save = choice.purpose == runtime::FileChoice::Purpose::Save;
  ComPtr<IFileDialog> dialog;
  if (FAILED(CoCreateInstance(save ? CLSID_FileSaveDialog : CLSID_FileOpenDialog, nullptr,
                              CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dialog)))) {
    return {};
  }
  prepare(*dialog.Get(), choice);
  if (dialog->Show(owner) != S_OK) return {};
  ComPtr<IFileOpenDialog> opening;
  if (!save && SUCCEEDED(dialog.As(&opening))) return chosenFiles(*opening.Get());
  return chosenFile(*dialog.Get());
}

}  // namespace tallowmere::platform
