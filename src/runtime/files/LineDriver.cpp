#include "runtime/files/LineDriver.h"

#include "runtime/files/ErrorState.h"

namespace tallowmere::runtime {

namespace {

FileAccess accessOf(unsigned char mode) {
  switch (mode & OpenMode::AccessMask) {
    case 0: return FileAccess::Read;
    case 1: return FileAccess::Write;
    default: return FileAccess::ReadWrite;
  }
}

FileSharing sharingOf(unsigned char mode) {
  switch (mode & OpenMode::SharingMask) {
    case OpenMode::DenyAll:
      return FileSharing::DenyAll;
    case OpenMode::DenyWrite:
      return FileSharing::DenyWrite;
    case OpenMode::DenyRead:
      return FileSharing::DenyRead;
    default:
      return FileSharing::DenyNone;
  }
}

}  // namespace

LineDriver::~LineDriver() { close(); }

int LineDriver::open(const std::string& path, unsigned char mode) {
  if (file_) return setError(ErrorCode::FileAlreadyOpen);
  const FileAccess access = accessOf(mode);
  int error = ErrorCode::NoError;
  std::unique_ptr<OsFile> file = fileSystem().open(path, access, sharingOf(mode), error);
  if (!file) return error;
  std::int64_t size = 0;
  if (const int sizeError = file->size(size); sizeError != ErrorCode::NoError) return sizeError;

  file_ = std::move(file);
  writable_ = access != FileAccess::Read;
  appendedSinceOpen_ = false;
  lastRead_ = {};
  reader_.attach(*file_);
  writer_.attach(*file_, size);
  // A halt ends the process without closing files; the lines added so far must still land.
  if (writable_) flushHook_ = ExitHooks::add([this] { writer_.flush(); });
  return ErrorCode::NoError;
}

int LineDriver::create(const std::string& path) {
  if (file_) return setError(ErrorCode::FileAlreadyOpen);
  return fileSystem().create(path);
}

int LineDriver::flush() {
  if (!file_) return ErrorCode::NoError;
  const int error = writer_.flush();
  return error == ErrorCode::NoError ? file_->sync() : error;
}

int LineDriver::close() {
  if (!file_) return ErrorCode::NoError;
  const int error = flush();
  if (flushHook_ != 0) ExitHooks::remove(flushHook_);
  flushHook_ = 0;
  file_.reset();
  return error;
}

int LineDriver::empty() {
  if (const int error = usable(true); error != ErrorCode::NoError) return error;
  if (const int error = file_->truncate(0); error != ErrorCode::NoError) return error;
  writer_.attach(*file_, 0);
  reader_.attach(*file_);
  appendedSinceOpen_ = true;  // nothing is left to overwrite
  return ErrorCode::NoError;
}

int LineDriver::dropTrailingControlZ() {
  const std::int64_t size = writer_.end();
  if (size == 0) return ErrorCode::NoError;
  char last = 0;
  std::size_t got = 0;
  if (const int error = file_->readAt(size - 1, &last, 1, got); error != ErrorCode::NoError) {
    return error;
  }
  if (got == 1 && last == LineReader::ControlZ) writer_.attach(*file_, size - 1);
  return ErrorCode::NoError;
}

int LineDriver::add(const LineText& record) {
  if (const int error = usable(true); error != ErrorCode::NoError) return error;
  if (!appendedSinceOpen_) {
    if (const int error = dropTrailingControlZ(); error != ErrorCode::NoError) return error;
    appendedSinceOpen_ = true;
  }
  reader_.forget();
  return writer_.append(record.clipped());
}

int LineDriver::setStart() {
  if (const int error = usable(false); error != ErrorCode::NoError) return error;
  reader_.rewind();
  return ErrorCode::NoError;
}

int LineDriver::next(LineText& record) {
  if (const int error = usable(false); error != ErrorCode::NoError) return error;
  if (writer_.hasPending()) {
    if (const int error = writer_.flush(); error != ErrorCode::NoError) return error;
  }
  return reader_.read(record, lastRead_);
}

int LineDriver::put(const LineText&) {
  return setError(ErrorCode::FunctionNotSupported);
}

int LineDriver::remove() {
  return setError(ErrorCode::FunctionNotSupported);
}

int LineDriver::insertAtScan(const LineText&) {
  return setError(ErrorCode::FunctionNotSupported);
}

std::int64_t LineDriver::bytes() { return file_ ? writer_.end() : 0; }

}  // namespace tallowmere::runtime
