#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/files/FileSystem.h"
#include "runtime/files/RecordRead.h"
#include "runtime/text/FixedText.h"

namespace tallowmere::runtime {

// Cuts a byte file into line records: CR LF ends a line, a lone CR or LF is an ordinary
// character, tabs expand to 8-column stops, a line keeps its first 500 columns and the rest
// up to its CR LF is skipped, control-Z ends a line and, at the start of one, the data.
// The file is read in large blocks, so an overlong line costs time but no memory.
class LineReader {
 public:
  static constexpr std::size_t BlockSize = std::size_t{1} << 20;
  static constexpr char ControlZ = 26;

  void attach(OsFile& file);
  void rewind() { position_ = 0; }
  // The file changed under the buffer (an append or a truncation).
  void forget() { bufferLength_ = 0; }

  // Reads the next line into record and what it took from the file into taken. 33 at the
  // end of the data, or the file's error; on failure record, taken and position are
  // untouched.
  int read(LineText& record, RecordRead& taken);

 private:
  // Points [cursor, end) at the buffered bytes from offset on, reading a block when offset
  // is not buffered. False at the end of the file or on a read error (then in error).
  bool window(std::int64_t offset, const char*& cursor, const char*& end, int& error);
  std::int64_t offsetOf(const char* cursor) const;

  OsFile* file_ = nullptr;
  std::vector<char> buffer_;
  std::int64_t bufferStart_ = 0;
  std::size_t bufferLength_ = 0;
  std::int64_t position_ = 0;
};

}  // namespace tallowmere::runtime
