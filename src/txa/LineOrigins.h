#pragma once

#include <cstdint>
#include <vector>

namespace tallowmere::txa {

// Which input line a line of the table began at, while joining passes remove lines: a
// message about a line names the line a user finds in the input with an editor. Each
// joining pass logs its joins; a line's record as the import read it is found by walking
// back through the logs, and its input line from where the import found that record.
class LineOrigins {
 public:
  // The import read the record at index record (from 0), which begins on line line (from
  // 1) of the input as an editor counts lines: one more than the LFs before its first
  // byte. Called for every record, in order; inline, as the import calls it for each.
  void recordBegins(std::uint64_t record, std::uint64_t line) {
    if (line - record != lineLessRecord_) shift(record, line);
  }
  // The pass in progress put a line joined from lines lines at index at of the table.
  void joined(std::uint64_t at, std::uint64_t lines);
  // The pass in progress is done; later passes see the table it left.
  void endPass();
  // The input line number (from 1) at which the line at index (from 0) of the table, as
  // the pass in progress found it, begins.
  std::uint64_t inputLine(std::uint64_t index) const;

 private:
  struct Join {
    std::uint64_t at;
    std::uint64_t removedThrough;  // lines removed by this join and the ones before it
  };
  using Log = std::vector<Join>;
  // A record that begins on another line than the records before it let one expect; from
  // there on record r begins on line + (r - record). Only a control-Z inside a line or a
  // lone LF makes one, so an input of millions of lines rarely needs any.
  struct Shift {
    std::uint64_t record;
    std::uint64_t line;
  };

  void shift(std::uint64_t record, std::uint64_t line);
  std::uint64_t lineOfRecord(std::uint64_t record) const;

  std::vector<Log> finished_;
  Log current_;
  std::vector<Shift> shifts_;
  // The line less the record index of every record since the last shift (modulo 2^64: a
  // control-Z inside a line puts a record on a line below its index).
  std::uint64_t lineLessRecord_ = 1;
};

}  // namespace tallowmere::txa
