#include "platform/common/StreamFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <vector>

namespace tallowmere::platform {

namespace {

std::string temporaryFolder() {
  const char* folder = std::getenv("TMPDIR");
  return folder != nullptr && *folder != '\0' ? folder : "/tmp";
}

}  // namespace

StreamFile::StreamFile() {
  std::string name = temporaryFolder() + "/tallowmere-stream-XXXXXX";
  std::vector<char> buffer(name.begin(), name.end());
  buffer.push_back('\0');
  const int descriptor = ::mkstemp(buffer.data());
  if (descriptor < 0) return;
  ::close(descriptor);
  file_ = runtime::TemporaryFile(buffer.data());
}

std::string StreamFile::takeStandardInput() {
  if (!file_.held()) return std::string("no temporary file can be made: ") + std::strerror(errno);
  std::ofstream copy(path(), std::ios::binary | std::ios::trunc);
  std::vector<char> chunk(1 << 16);
  bool text = true;
  bool empty = true;
  for (ssize_t got; (got = ::read(STDIN_FILENO, chunk.data(), chunk.size())) != 0;) {
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::string("standard input cannot be read: ") + std::strerror(errno);
    empty = false;
    text = text && std::memchr(chunk.data(), '\0', static_cast<std::size_t>(got)) == nullptr;
    copy.write(chunk.data(), got);
  }
  copy.close();
  if (!copy) return "standard input cannot be kept in " + path();
  if (empty) return "standard input is empty";
  if (!text) return "standard input is not text (it holds a NUL byte)";
  return {};
}

int StreamFile::giveStandardOutput() const {
  std::ifstream converted(path(), std::ios::binary);
  if (!converted) return errno != 0 ? errno : EIO;
  // An empty file gives rdbuf nothing to insert, which would count as a failure.
  if (converted.peek() != std::ifstream::traits_type::eof()) std::cout << converted.rdbuf();
  std::cout.flush();
  return std::cout ? 0 : EIO;
}

}  // namespace tallowmere::platform
