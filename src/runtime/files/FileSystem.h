#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace tallowmere::runtime {

// What the file drivers need of the operating system. Every operation returns 0 or a
// runtime error code, which it has also left in lastError() (see ErrorState.h): the
// platform maps its own errors to 2, 5 or 90, and for 90 passes on the system's error
// number and text.
class OsFile {
 public:
  virtual ~OsFile() = default;
  // Reads up to capacity bytes at offset; got is 0 at the end of the file.
  virtual int readAt(std::int64_t offset, char* buffer, std::size_t capacity, std::size_t& got) = 0;
  // Writes all size bytes at offset, or fails.
  virtual int writeAt(std::int64_t offset, const char* data, std::size_t size) = 0;
  virtual int truncate(std::int64_t length) = 0;
  virtual int size(std::int64_t& bytes) = 0;
  // Forces written data out; the close of the file reports what this reports.
  virtual int sync() = 0;
};

enum class FileAccess { Read, Write, ReadWrite };
// What others may do with the file while it is open. A platform that cannot enforce it
// (POSIX has no mandatory sharing) ignores it.
enum class FileSharing { DenyNone, DenyRead, DenyWrite, DenyAll };

// File names crossing this port are UTF-8, whatever the system's own encoding; names are
// resolved against the current working folder.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens an existing file; on failure returns null and the error code in error.
  virtual std::unique_ptr<OsFile> open(const std::string& path, FileAccess access,
                                       FileSharing sharing, int& error) = 0;
  // Creates the file empty (an existing one is truncated).
  virtual int create(const std::string& path) = 0;
  // Whether a file renamed over path takes its place as a whole: path is missing or a
  // plain file. A link, a device or a folder is not replaced that way, nor a file that the
  // system will not let be deleted while another program holds it open.
  virtual bool replaceable(const std::string& path) = 0;
  // Puts the file from in the place of to in one step that survives a power loss: a
  // reader finds either the old to or the whole new one.
  virtual int replace(const std::string& from, const std::string& to) = 0;
  virtual int remove(const std::string& path) = 0;
};

// The operating system's file layer, one of the installed platform services.
FileSystem& fileSystem();

}  // namespace tallowmere::runtime
