#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "runtime/files/ErrorState.h"
#include "runtime/files/FileSystem.h"

namespace tallowmere::runtime {

// Appends lines, each followed by CR LF, at the end of a byte file through a large block
// buffer. A failed write is remembered: every later append and flush reports it again, so
// lines lost with the failed block can never be followed by a silent success.
class LineWriter {
 public:
  static constexpr std::size_t BlockSize = std::size_t{1} << 20;

  // Appends will go at offset end; forgets buffered lines and any remembered failure.
  void attach(OsFile& file, std::int64_t end);
  int append(std::string_view line);
  int flush();
  bool hasPending() const { return !buffer_.empty(); }
  // The file's length with the buffered lines counted in.
  std::int64_t end() const { return flushedEnd_ + static_cast<std::int64_t>(buffer_.size()); }

 private:
  OsFile* file_ = nullptr;
  std::vector<char> buffer_;
  std::int64_t flushedEnd_ = 0;
  ErrorState failure_;
};

}  // namespace tallowmere::runtime
