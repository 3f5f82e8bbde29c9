#include "platform/win32/WindowsFileSystem.h"

#include <windows.h>

#include <utility>

#include "platform/win32/WindowsErrors.h"
#include "platform/win32/WindowsOsFile.h"
#include "platform/win32/WindowsPath.h"
#include "runtime/files/ErrorState.h"

namespace tallowmere::platform {

namespace {

DWORD desiredAccess(runtime::FileAccess access) {
  switch (access) {
    case runtime::FileAccess::Read:
      return GENERIC_READ;
    case runtime::FileAccess::Write:
      return GENERIC_WRITE;
    case runtime::FileAccess::ReadWrite:
      return GENERIC_READ | GENERIC_WRITE;
  }
  return GENERIC_READ;
}

// What others may do meanwhile; deleting or renaming is never denied to them.
DWORD shareMode(runtime::FileSharing sharing) {
  switch (sharing) {
    case runtime::FileSharing::DenyAll:
      return FILE_SHARE_DELETE;
    case runtime::FileSharing::DenyWrite:
      return FILE_SHARE_READ | FILE_SHARE_DELETE;
    case runtime::FileSharing::DenyRead:
      return FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    case runtime::FileSharing::DenyNone:
      break;
  }
  return FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
}

// Only files on a disk can be read as lines: a folder would be refused by the open as
// access denied, which would send the caller to its read-only fall-back, so it is reported
// as what it is. A read-only file is refused for writing here as Windows refuses it, also
// where Windows is emulated for a superuser whom nothing refuses.
DWORD unusableReason(const std::wstring& path, runtime::FileAccess access) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return ERROR_SUCCESS;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return ERROR_DIRECTORY;
  const bool writes = access != runtime::FileAccess::Read;
  if (writes && (attributes & FILE_ATTRIBUTE_READONLY) != 0) return ERROR_ACCESS_DENIED;
  return ERROR_SUCCESS;
}

struct Handle {
  HANDLE value;
  ~Handle() {
    if (value != INVALID_HANDLE_VALUE) CloseHandle(value);
  }
  HANDLE release() { return std::exchange(value, INVALID_HANDLE_VALUE); }
};

}  // namespace

std::unique_ptr<runtime::OsFile> WindowsFileSystem::open(const std::string& path,
                                                         runtime::FileAccess access,
                                                         runtime::FileSharing sharing, int& error) {
  const std::wstring name = windowsPath(path);
  if (const DWORD reason = unusableReason(name, access); reason != ERROR_SUCCESS) {
    error = reportWindowsError(reason);
    return nullptr;
  }
  Handle file{CreateFileW(name.c_str(), desiredAccess(access), shareMode(sharing), nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.value == INVALID_HANDLE_VALUE) {
    error = reportWindowsError(GetLastError());
    return nullptr;
  }
  if (GetFileType(file.value) != FILE_TYPE_DISK) {
    error = reportWindowsError(ERROR_NOT_SUPPORTED);
    return nullptr;
  }
  runtime::clearError();
  error = runtime::ErrorCode::NoError;
  return std::make_unique<WindowsOsFile>(file.release());
}

int WindowsFileSystem::create(const std::string& path) {
  const std::wstring name = windowsPath(path);
  if (const DWORD reason = unusableReason(name, runtime::FileAccess::Write);
      reason != ERROR_SUCCESS) {
    return reportWindowsError(reason);
  }
  // Opened and emptied rather than replaced, so that a hidden or system file keeps its
  // attributes instead of refusing the creation.
  const Handle file{CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.value == INVALID_HANDLE_VALUE) return reportWindowsError(GetLastError());
  if (GetFileType(file.value) != FILE_TYPE_DISK) return reportWindowsError(ERROR_NOT_SUPPORTED);
  if (!SetEndOfFile(file.value)) return reportWindowsError(GetLastError());
  runtime::clearError();
  return runtime::ErrorCode::NoError;
}

// Only a plain file (or none) is replaced whole by a rename; a folder, a device or a
// link is written in place as before. So is a file that another program (an editor, a
// viewer, a virus scanner) holds open without letting it be deleted: no rename can replace
// it, but it may well be written.
bool WindowsFileSystem::replaceable(const std::string& path) {
  const std::wstring name = windowsPath(path);
  const DWORD attributes = GetFileAttributesW(name.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
  if ((attributes &
       (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) != 0) {
    return false;
  }
  const Handle deletable{CreateFileW(name.c_str(), DELETE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
  return deletable.value != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION;
}

// Write-through: the move is on the disk, with the data before it, when the call returns.
int WindowsFileSystem::replace(const std::string& from, const std::string& to) {
  if (!MoveFileExW(windowsPath(from).c_str(), windowsPath(to).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return reportWindowsError(GetLastError());
  }
  runtime::clearError();
  return runtime::ErrorCode::NoError;
}

int WindowsFileSystem::remove(const std::string& path) {
  if (!DeleteFileW(windowsPath(path).c_str())) return reportWindowsError(GetLastError());
  runtime::clearError();
  return runtime::ErrorCode::NoError;
}

}  // namespace tallowmere::platform
