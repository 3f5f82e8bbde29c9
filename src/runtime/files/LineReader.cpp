#include "runtime/files/LineReader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "runtime/files/ErrorState.h"

namespace tallowmere::runtime {

namespace {

constexpr std::size_t TabWidth = 8;

// Puts one ordinary character at column; whatever lies beyond the last column is dropped,
// and dropping anything but a blank or a tab cuts the line.
std::size_t place(char* line, std::size_t column, char c, bool& cut) {
  if (column >= LineWidth) {
    cut = cut || (c != Blank && c != '\t');
    return column;
  }
  if (c != '\t') {
    line[column] = c;
    return column + 1;
  }
  const std::size_t blanks = std::min(TabWidth - column % TabWidth, LineWidth - column);
  std::memset(line + column, Blank, blanks);
  return column + blanks;
}

// The bytes the line rules treat specially, and the LF, which is counted; all lie below the
// blank, so one comparison clears almost every byte of a text.
bool needsCare(char c) {
  return static_cast<unsigned char>(c) < static_cast<unsigned char>(Blank) &&
         (c == '\r' || c == '\n' || c == '\t' || c == LineReader::ControlZ);
}

// Whether any of the eight bytes in word lies below the blank: the test of "has less"
// from the bit-twiddling folklore, exact for the question whether such a byte exists.
bool anyBelowBlank(std::uint64_t word) {
  constexpr std::uint64_t Ones = 0x0101010101010101u;
  constexpr std::uint64_t HighBits = 0x8080808080808080u;
  return ((word - Ones * static_cast<unsigned char>(Blank)) & ~word & HighBits) != 0;
}

// Copies the run of bytes that need no care from cursor on, as far as the buffered bytes
// and the free columns allow; returns where the run stopped. Eight bytes at a time while
// none of them is a control character, since text lines rarely hold one.
const char* copyPlainRun(const char* cursor, const char* end, char* line, std::size_t& column) {
  const std::size_t room = std::min<std::size_t>(end - cursor, LineWidth - column);
  const char* const start = cursor;
  const char* const limit = cursor + room;
  char* out = line + column;
  for (std::uint64_t word = 0; limit - cursor >= 8; cursor += 8, out += 8) {
    std::memcpy(&word, cursor, 8);
    if (anyBelowBlank(word)) break;
    std::memcpy(out, &word, 8);
  }
  for (; cursor != limit && !needsCare(*cursor); ++cursor, ++out) *out = *cursor;
  column += static_cast<std::size_t>(cursor - start);
  return cursor;
}

// Passes over the rest of a line beyond its last column, as far as the buffered bytes go
// or up to the first byte that may end the line (a CR or a control-Z), counting its LFs and
// noting whether it held more than blanks and tabs. Searched for, not walked byte by byte:
// the rest may be most of a file whose line ends are LFs only.
const char* skipRest(const char* cursor, const char* end, RecordRead& read) {
  const char* stop = static_cast<const char*>(std::memchr(cursor, '\r', end - cursor));
  if (stop == nullptr) stop = end;
  if (const void* controlZ = std::memchr(cursor, LineReader::ControlZ, stop - cursor))
    stop = static_cast<const char*>(controlZ);
  read.loneLineFeeds += static_cast<std::uint64_t>(std::count(cursor, stop, '\n'));
  read.cut = read.cut || std::any_of(cursor, stop, [](char c) { return c != Blank && c != '\t'; });
  return stop;
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

int LineReader::read(LineText& record, RecordRead& taken) {
  int error = ErrorCode::NoError;
  const char* cursor = nullptr;
  const char* end = nullptr;
  if (!window(position_, cursor, end, error)) {
    return error != 0 ? error : setError(ErrorCode::RecordNotAvailable);
  }
  if (*cursor == ControlZ) return setError(ErrorCode::RecordNotAvailable);

  char line[LineWidth];
  std::size_t column = 0;
  RecordRead read;
  for (;;) {
    if (cursor == end && !window(offsetOf(cursor), cursor, end, error)) {
      if (error != 0) return error;
      break;
    }
    cursor =
        column < LineWidth ? copyPlainRun(cursor, end, line, column) : skipRest(cursor, end, read);
    if (cursor == end) continue;
    const char c = *cursor++;
    if (c == ControlZ) break;
    if (c == '\r') {
      if (cursor == end && !window(offsetOf(cursor), cursor, end, error)) {
        if (error != 0) return error;
        // A CR as the file's last byte is an ordinary character.
        column = place(line, column, c, read.cut);
        break;
      }
      if (*cursor == '\n') {
        ++cursor;
        read.endsInCrLf = true;
        break;
      }
    } else if (c == '\n') {
      ++read.loneLineFeeds;
    }
    column = place(line, column, c, read.cut);
  }

  const std::int64_t stop = offsetOf(cursor);
  read.bytes = static_cast<std::size_t>(stop - position_);
  taken = read;
  position_ = stop;
  record.assign({line, column});
  return ErrorCode::NoError;
}

}  // namespace tallowmere::runtime
