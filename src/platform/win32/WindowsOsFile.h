#pragma once

#include "runtime/files/FileSystem.h"

namespace tallowmere::platform {

// One open Windows file handle, closed with the object. Reads and writes go to explicit
// offsets, so the drivers never depend on a shared file position.
class WindowsOsFile : public runtime::OsFile {
 public:
  // handle is a HANDLE, kept opaque so that <windows.h> stays inside this folder.
  explicit WindowsOsFile(void* handle) : handle_(handle) {}
  ~WindowsOsFile() override;
  WindowsOsFile(const WindowsOsFile&) = delete;
  WindowsOsFile& operator=(const WindowsOsFile&) = delete;

  int readAt(std::int64_t offset, char* buffer, std::size_t capacity, std::size_t& got) override;
  int writeAt(std::int64_t offset, const char* data, std::size_t size) override;
  int truncate(std::int64_t length) override;
  int size(std::int64_t& bytes) override;
  // Has Windows write its cache out, and reports the first write error met since the file
  // was opened, so a failure cannot slip past the close.
  int sync() override;

 private:
  // Reports a failed write, remembering the first for sync().
  int failWrite(unsigned long error);

  void* handle_;
  unsigned long firstWriteError_ = 0;
};

}  // namespace tallowmere::platform
