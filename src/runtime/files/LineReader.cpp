#include "runtime/files/LineReader.h"

#include <algorithm>
#include <cstring>

#include "runtime/files/ErrorState.h"

namespace tallowmere::runtime {

namespace {

constexpr std::size_t TabWidth = 8;

int endOfData() {
  setError(ErrorCode::RecordNotAvailable);
  return ErrorCode::RecordNotAvailable;
}

// Puts one ordinary character at column; whatever lies beyond the last column is dropped.
std::size_t place(char* line, std::size_t column, char c) {
  if (column >= LineWidth) return column;
  if (c != '\t') {
    line[column] = c;
    return column + 1;
  }
  const std::size_t blanks = std::min(TabWidth - column % TabWidth, LineWidth - column);
  std::memset(line + column, Blank, blanks);
  return column + blanks;
}

}  // namespace

void LineReader::attach(OsFile& file) {
  file_ = &file;
  position_ = 0;
  bufferLength_ = 0;
}

std::int64_t LineReader::offsetOf(const char* cursor) const {
  return bufferStart_ + (cursor - buffer_.data());
}

bool LineReader::window(std::int64_t offset, const char*& cursor, const char*& end,
                        int& error) {
  const bool buffered =
      offset >= bufferStart_ && offset < bufferStart_ + static_cast<std::int64_t>(bufferLength_);
  if (!buffered) {
    if (buffer_.empty()) buffer_.resize(BlockSize);
    std::size_t got = 0;
    error = file_->readAt(offset, buffer_.data(), buffer_.size(), got);
    if (error != ErrorCode::NoError || got == 0) return false;
    bufferStart_ = offset;
    bufferLength_ = got;
  }
  cursor = buffer_.data() + (offset - bufferStart_);
  end = buffer_.data() + bufferLength_;
  return true;
}

int LineReader::read(LineText& record, std::size_t& taken) {
  int error = ErrorCode::NoError;
  const char* cursor = nullptr;
  const char* end = nullptr;
  if (!window(position_, cursor, end, error)) return error != 0 ? error : endOfData();
  if (*cursor == ControlZ) return endOfData();

  char line[LineWidth];
  std::size_t column = 0;
  bool atEndOfFile = false;
  while (!atEndOfFile) {
    if (cursor == end && !window(offsetOf(cursor), cursor, end, error)) {
      if (error != 0) return error;
      break;
    }
    const char c = *cursor++;
    if (c == ControlZ) break;
    if (c == '\r') {
      if (cursor == end && !window(offsetOf(cursor), cursor, end, error)) {
        if (error != 0) return error;
        atEndOfFile = true;  // a CR as the file's last byte is an ordinary character
      } else if (*cursor == '\n') {
        ++cursor;
        break;
      }
    }
    column = place(line, column, c);
  }

  const std::int64_t stop = offsetOf(cursor);
  taken = static_cast<std::size_t>(stop - position_);
  position_ = stop;
  record.assign({line, column});
  return ErrorCode::NoError;
}

}  // namespace tallowmere::runtime
