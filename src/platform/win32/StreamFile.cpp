#include "platform/common/StreamFile.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/win32/Utf16.h"
#include "platform/win32/WindowsErrors.h"

namespace tallowmere::platform {

namespace {

constexpr DWORD ChunkSize = 1 << 16;

// The standard handles are read and written as they are: the C library's text mode would
// turn CR LF into LF, which would change the lines.
struct Handle {
  HANDLE value;
  ~Handle() {
    if (value != INVALID_HANDLE_VALUE) CloseHandle(value);
  }
};

bool writeAll(HANDLE to, const char* bytes, DWORD count) {
  while (count > 0) {
    DWORD written = 0;
    if (!WriteFile(to, bytes, count, &written, nullptr) || written == 0) return false;
    bytes += written;
    count -= written;
  }
  return true;
}

}  // namespace

StreamFile::StreamFile() {
  wchar_t folder[MAX_PATH + 1] = {};
  wchar_t name[MAX_PATH + 1] = {};
  if (GetTempPathW(MAX_PATH + 1, folder) == 0) return;
  // Makes the file under a name no other file has, so nobody else's file is taken.
  if (GetTempFileNameW(folder, L"txa", 0, name) == 0) return;
  file_ = runtime::TemporaryFile(toUtf8(name));
}

// A pipe's name is opened by connecting to it, which would take the one connection its
// writer offers, so no name is looked at to find one: standard input is the stream here.
bool StreamFile::readThroughCopy(const std::string& input) {
  return input == "-";
}

std::string StreamFile::take(const std::string&) {
  if (!file_.held()) return "no temporary file can be made: " + windowsMessage(GetLastError());
  const Handle copy{CreateFileW(toUtf16(path()).c_str(), GENERIC_WRITE, 0, nullptr,
                                TRUNCATE_EXISTING, FILE_ATTRIBUTE_TEMPORARY, nullptr)};
  if (copy.value == INVALID_HANDLE_VALUE) {
    return "standard input cannot be kept in " + path() + ": " + windowsMessage(GetLastError());
  }
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  std::vector<char> chunk(ChunkSize);
  bool text = true;
  bool empty = true;
  for (DWORD got = 0;;) {
    if (!ReadFile(input, chunk.data(), ChunkSize, &got, nullptr)) {
      // A pipe whose writer is done says so as an error.
      if (GetLastError() == ERROR_BROKEN_PIPE) break;
      return "standard input cannot be read: " + windowsMessage(GetLastError());
    }
    if (got == 0) break;
    empty = false;
    text = text && std::memchr(chunk.data(), '\0', got) == nullptr;
    if (!writeAll(copy.value, chunk.data(), got)) {
      return "standard input cannot be kept in " + path() + ": " + windowsMessage(GetLastError());
    }
  }
  if (empty) return "standard input is empty";
  if (!text) return "standard input is not text (it holds a NUL byte)";
  return {};
}

std::string StreamFile::giveStandardOutput() const {
  const Handle converted{CreateFileW(toUtf16(path()).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (converted.value == INVALID_HANDLE_VALUE) return windowsMessage(GetLastError());
  std::vector<char> chunk(ChunkSize);
  for (DWORD got = 0;;) {
    if (!ReadFile(converted.value, chunk.data(), ChunkSize, &got, nullptr)) {
      return windowsMessage(GetLastError());
    }
    if (got == 0) return {};
    if (std::string problem = writeStandardOutput({chunk.data(), got}); !problem.empty()) {
      return problem;
    }
  }
}

std::string writeStandardOutput(std::string_view bytes) {
  if (writeAll(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()))) {
    return {};
  }
  return windowsMessage(GetLastError());
}

}  // namespace tallowmere::platform
