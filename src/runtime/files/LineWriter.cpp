#include "runtime/files/LineWriter.h"

namespace tallowmere::runtime {

namespace {
constexpr std::string_view LineEnd = "\r\n";
}

void LineWriter::attach(OsFile& file, std::int64_t end) {
  file_ = &file;
  buffer_.clear();
  flushedEnd_ = end;
  failure_ = ErrorState{};
}

int LineWriter::append(std::string_view line) {
  if (failure_.code != ErrorCode::NoError) {
    restoreError(failure_);
    return failure_.code;
  }
  if (buffer_.size() + line.size() + LineEnd.size() > BlockSize) {
    if (const int error = flush(); error != ErrorCode::NoError) return error;
  }
  if (buffer_.capacity() == 0) buffer_.reserve(BlockSize);
  buffer_.insert(buffer_.end(), line.begin(), line.end());
  buffer_.insert(buffer_.end(), LineEnd.begin(), LineEnd.end());
  return ErrorCode::NoError;
}

int LineWriter::flush() {
  if (failure_.code != ErrorCode::NoError) {
    restoreError(failure_);
    return failure_.code;
  }
  if (buffer_.empty()) return ErrorCode::NoError;
  const int error = file_->writeAt(flushedEnd_, buffer_.data(), buffer_.size());
  if (error != ErrorCode::NoError) {
    // The block cannot be kept for a retry: it may already be partly on the disk.
    buffer_.clear();
    failure_ = lastError();
    return error;
  }
  flushedEnd_ += static_cast<std::int64_t>(buffer_.size());
  buffer_.clear();
  return ErrorCode::NoError;
}

}  // namespace tallowmere::runtime
