#include "platform/common/StreamFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

#include "platform/posix/PosixOsFile.h"

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

bool StreamFile::readThroughCopy(const std::string& input) {
  struct stat status {};
  return input == "-" || (::stat(input.c_str(), &status) == 0 && S_ISFIFO(status.st_mode));
}

std::string StreamFile::take(const std::string& input) {
  if (!file_.held()) return std::string("no temporary file can be made: ") + std::strerror(errno);
  const bool standard = input == "-";
  const std::string shown = standard ? "standard input" : input;
  const int from = standard ? STDIN_FILENO : ::open(input.c_str(), O_RDONLY | O_CLOEXEC);
  if (from < 0) return shown + " cannot be opened: " + std::strerror(errno);
  const PosixOsFile closer(standard ? -1 : from);  // standard input stays open
  std::ofstream copy(path(), std::ios::binary | std::ios::trunc);
  std::vector<char> chunk(1 << 16);
  bool text = true;
  bool empty = true;
  for (ssize_t got; (got = ::read(from, chunk.data(), chunk.size())) != 0;) {
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return shown + " cannot be read: " + std::strerror(errno);
    empty = false;
    text = text && std::memchr(chunk.data(), '\0', static_cast<std::size_t>(got)) == nullptr;
    copy.write(chunk.data(), got);
  }
  copy.close();
  if (!copy) return shown + " cannot be kept in " + path();
  if (empty) return shown + " is empty";
  if (!text) return shown + " is not text (it holds a NUL byte)";
  return {};
}

std::string StreamFile::giveStandardOutput() const {
  const int from = ::open(path().c_str(), O_RDONLY | O_CLOEXEC);
  if (from < 0) return std::strerror(errno);
  const PosixOsFile closer(from);
  std::vector<char> chunk(1 << 16);
  for (ssize_t got; (got = ::read(from, chunk.data(), chunk.size())) != 0;) {
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::strerror(errno);
    if (std::string problem = writeStandardOutput({chunk.data(), static_cast<std::size_t>(got)});
        !problem.empty()) {
      return problem;
    }
  }
  return {};
}

std::string writeStandardOutput(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return std::strerror(written < 0 ? errno : EIO);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return {};
}

}  // namespace tallowmere::platform
