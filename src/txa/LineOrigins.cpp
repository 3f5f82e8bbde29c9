#include "txa/LineOrigins.h"

#include <algorithm>

namespace tallowmere::txa {

void LineOrigins::shift(std::uint64_t record, std::uint64_t line) {
  shifts_.push_back({record, line});
  lineLessRecord_ = line - record;
}

void LineOrigins::joined(std::uint64_t at, std::uint64_t lines) {
  const std::uint64_t before = current_.empty() ? 0 : current_.back().removedThrough;
  current_.push_back({at, before + lines - 1});
}

void LineOrigins::endPass() {
  if (!current_.empty()) finished_.push_back(std::move(current_));
  current_.clear();
}

// A line at index q of a pass's output stood, before that pass, at q plus the lines its
// joins before q removed; a joined line so maps to the first line of its group.
std::uint64_t LineOrigins::inputLine(std::uint64_t index) const {
  for (auto log = finished_.rbegin(); log != finished_.rend(); ++log) {
    const auto after =
        std::lower_bound(log->begin(), log->end(), index,
                         [](const Join& join, std::uint64_t at) { return join.at < at; });
    if (after != log->begin()) index += std::prev(after)->removedThrough;
  }
  return lineOfRecord(index);
}

std::uint64_t LineOrigins::lineOfRecord(std::uint64_t record) const {
  const auto after = std::upper_bound(
      shifts_.begin(), shifts_.end(), record,
      [](std::uint64_t index, const Shift& shift) { return index < shift.record; });
  if (after == shifts_.begin()) return record + 1;
  const Shift& shift = *std::prev(after);
  return shift.line + (record - shift.record);
}

}  // namespace tallowmere::txa
