#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// A second, deliberately plain implementation of a conversion over a vector of strings,
// sharing no code with the program, so that a fault in either shows up as a difference.
namespace tallowmere::model {

inline constexpr std::size_t Width = 500;

// Every line is a record of exactly Width characters, blank-padded.
using Lines = std::vector<std::string>;

struct ReadLine {
  std::string record;
  std::size_t bytes = 0;  // taken from the file by this read, terminator included
  // A character other than a blank or a tab fell past the last column.
  bool cut = false;
  std::uint64_t lineFeeds = 0;  // LF bytes among those taken
};

struct Corrections {
  bool removeGuids = false;
  bool removeOrdinals = false;
  bool correctHashField = false;
  bool correctWindowFont = false;
  bool correctAT = false;

  static Corrections all() { return {true, true, true, true, true}; }
};

std::string pad(std::string_view text);
std::string_view clip(std::string_view text);

std::vector<ReadLine> readLines(std::string_view file);
Lines readRecords(std::string_view file);
std::string writeLines(const Lines& lines);

void removeGuids(Lines& lines);
void removeOrdinals(Lines& lines);
// The joining step of the hash field, window font and AT corrections, with marker.
void joinClauses(Lines& lines, std::string_view marker);
void correct(Lines& lines, const Corrections& corrections);

// What a conversion does, counted over the model's own lines: a joined line carries the
// input line number its group began at, as an editor counts lines (one more than the LFs
// before the group's first byte).
struct Tally {
  struct Kept {
    std::uint64_t line;
    std::string reason;  // data_ended, too_long, continuation_broken
    friend bool operator==(const Kept&, const Kept&) = default;
  };
  struct Join {
    std::uint64_t clausesJoined = 0;
    std::uint64_t linesRemoved = 0;
    std::vector<Kept> kept;
  };
  std::uint64_t linesRead = 0;
  std::uint64_t linesTruncated = 0;
  std::uint64_t linesWritten = 0;
  std::uint64_t linesReplaced = 0;
  std::uint64_t linesCut = 0;
  std::map<std::string, Join> joins;  // by marker, for the chosen joining corrections
};
Tally tally(std::string_view file, const Corrections& corrections);

// Input file bytes to output file bytes.
std::string convert(std::string_view file, const Corrections& corrections);

}  // namespace tallowmere::model
