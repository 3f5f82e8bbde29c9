#include "platform/posix/PosixFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/posix/PosixErrors.h"
#include "platform/posix/PosixOsFile.h"
#include "runtime/files/ErrorState.h"

namespace tallowmere::platform {

namespace {

int openFlags(runtime::FileAccess access) {
  switch (access) {
    case runtime::FileAccess::Read:
      return O_RDONLY;
    case runtime::FileAccess::Write:
      return O_WRONLY;
    case runtime::FileAccess::ReadWrite:
      return O_RDWR;
  }
  return O_RDONLY;
}

// Only byte streams with offsets can be read as lines: a folder would give garbage or
// EISDIR on the first read, a pipe would block or refuse the offsets. A file without any
// write permission is treated like a read-only file elsewhere, even for the superuser.
int unusableReason(const struct stat& status, runtime::FileAccess access) {
  if (S_ISDIR(status.st_mode)) return EISDIR;
  if (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode)) return ESPIPE;
  const bool writes = access != runtime::FileAccess::Read;
  if (writes && S_ISREG(status.st_mode) && (status.st_mode & 0222) == 0) return EACCES;
  return 0;
}

// The folder a path names a file in, for syncing its entries.
std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

int openDescriptor(const std::string& path, int flags) {
  int descriptor;
  do {
    descriptor = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
  } while (descriptor < 0 && errno == EINTR);
  return descriptor;
}

// Forces the descriptor's data to the disk; 0 or the error code.
int syncDescriptor(int descriptor) {
  PosixOsFile closer(descriptor);
  int result;
  do {
    result = ::fsync(descriptor);
  } while (result != 0 && errno == EINTR);
  return result == 0 ? runtime::ErrorCode::NoError : reportErrno(errno);
}

}  // namespace

std::unique_ptr<runtime::OsFile> PosixFileSystem::open(const std::string& path,
                                                       runtime::FileAccess access,
                                                       runtime::FileSharing, int& error) {
  // Non-blocking only while looking at what the name is, so that a pipe cannot hang the open.
  const int descriptor = openDescriptor(path, openFlags(access) | O_NONBLOCK);
  if (descriptor < 0) {
    error = reportErrno(errno);
    return nullptr;
  }
  auto file = std::make_unique<PosixOsFile>(descriptor);
  struct stat status {};
  if (::fstat(descriptor, &status) != 0) {
    error = reportErrno(errno);
    return nullptr;
  }
  if (const int reason = unusableReason(status, access); reason != 0) {
    error = reportErrno(reason);
    return nullptr;
  }
  const int flags = ::fcntl(descriptor, F_GETFL);
  if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    error = reportErrno(errno);
    return nullptr;
  }
  runtime::clearError();
  error = runtime::ErrorCode::NoError;
  return file;
}

int PosixFileSystem::create(const std::string& path) {
  // Checked before opening, because the open would already have truncated the file.
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) {
    if (const int reason = unusableReason(existing, runtime::FileAccess::Write); reason != 0) {
      return reportErrno(reason);
    }
  }
  const int descriptor = openDescriptor(path, O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK);
  if (descriptor < 0) return reportErrno(errno);
  PosixOsFile closer(descriptor);
  runtime::clearError();
  return runtime::ErrorCode::NoError;
}

bool PosixFileSystem::replaceable(const std::string& path) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0) return errno == ENOENT;
  return S_ISREG(status.st_mode);
}

int PosixFileSystem::replace(const std::string& from, const std::string& to) {
  // The content first, then the new entry: otherwise a power loss could leave the name
  // pointing at a file whose blocks never reached the disk, or bring back the old one.
  const int file = openDescriptor(from, O_RDONLY);
  if (file < 0) return reportErrno(errno);
  if (const int error = syncDescriptor(file); error != 0) return error;
  if (::rename(from.c_str(), to.c_str()) != 0) return reportErrno(errno);
  const int folder = openDescriptor(folderOf(to), O_RDONLY | O_DIRECTORY);
  if (folder < 0) return reportErrno(errno);
  if (const int error = syncDescriptor(folder); error != 0) return error;
  runtime::clearError();
  return runtime::ErrorCode::NoError;
}

int PosixFileSystem::remove(const std::string& path) {
  if (::unlink(path.c_str()) != 0) return reportErrno(errno);
  runtime::clearError();
  return runtime::ErrorCode::NoError;
}

}  // namespace tallowmere::platform
