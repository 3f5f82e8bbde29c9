#pragma once

#include <cstdint>
#include <vector>

namespace tallowmere::txa {

// Which input line a line of the table began at, while joining passes remove lines: a
// message about a line names the line a user finds in the input. Each joining pass logs
// its joins; a line's input line number is found by walking back through the logs.
class LineOrigins {
 public:
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

  std::vector<Log> finished_;
  Log current_;
};

}  // namespace tallowmere::txa
