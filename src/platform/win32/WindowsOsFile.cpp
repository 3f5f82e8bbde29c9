#include "platform/win32/WindowsOsFile.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/WindowsErrors.h"
#include "runtime/files/ErrorState.h"

namespace tallowmere::platform {

namespace {

// ReadFile and WriteFile count in 32 bits; larger requests go in slices.
constexpr std::size_t LargestSlice = 1u << 30;

OVERLAPPED at(std::int64_t offset) {
  OVERLAPPED position{};
  position.Offset = static_cast<DWORD>(offset & 0xFFFFFFFF);
  position.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return position;
}

}  // namespace

WindowsOsFile::~WindowsOsFile() {
  CloseHandle(handle_);
}

int WindowsOsFile::readAt(std::int64_t offset, char* buffer, std::size_t capacity,
                          std::size_t& got) {
  got = 0;
  OVERLAPPED position = at(offset);
  DWORD read = 0;
  const DWORD wanted = static_cast<DWORD>(std::min(capacity, LargestSlice));
  if (!ReadFile(handle_, buffer, wanted, &read, &position)) {
    const DWORD error = GetLastError();
    if (error != ERROR_HANDLE_EOF) return reportWindowsError(error);
  }
  got = read;
  return runtime::ErrorCode::NoError;
}

int WindowsOsFile::writeAt(std::int64_t offset, const char* data, std::size_t size) {
  while (size > 0) {
    OVERLAPPED position = at(offset);
    DWORD written = 0;
    const DWORD slice = static_cast<DWORD>(std::min(size, LargestSlice));
    if (!WriteFile(handle_, data, slice, &written, &position)) return failWrite(GetLastError());
    // A device that takes nothing counts as full, where a plain loop would spin for ever.
    if (written == 0) return failWrite(ERROR_DISK_FULL);
    data += written;
    size -= written;
    offset += written;
  }
  return runtime::ErrorCode::NoError;
}

int WindowsOsFile::failWrite(unsigned long error) {
  if (firstWriteError_ == 0) firstWriteError_ = error;
  return reportWindowsError(error);
}

int WindowsOsFile::truncate(std::int64_t length) {
  LARGE_INTEGER end{};
  end.QuadPart = length;
  if (!SetFilePointerEx(handle_, end, nullptr, FILE_BEGIN) || !SetEndOfFile(handle_)) {
    return reportWindowsError(GetLastError());
  }
  return runtime::ErrorCode::NoError;
}

int WindowsOsFile::size(std::int64_t& bytes) {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(handle_, &size)) return reportWindowsError(GetLastError());
  bytes = size.QuadPart;
  return runtime::ErrorCode::NoError;
}

int WindowsOsFile::sync() {
  if (firstWriteError_ != 0) return reportWindowsError(firstWriteError_);
  // A file opened for reading only cannot be flushed and has nothing to flush.
  if (!FlushFileBuffers(handle_) && GetLastError() != ERROR_ACCESS_DENIED) {
    return reportWindowsError(GetLastError());
  }
  return runtime::ErrorCode::NoError;
}

}  // namespace tallowmere::platform
