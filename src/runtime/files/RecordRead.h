#pragma once

#include <cstddef>
#include <cstdint>

namespace tallowmere::runtime {

// What one read of a record took from its file besides the record itself: the bytes, the
// LF characters among them, and whether the line held more than the record keeps.
struct RecordRead {
  std::size_t bytes = 0;
  // LFs that end no line by the line rules, in the line or in the rest cut from it. An
  // editor starts a new line after each.
  std::uint64_t loneLineFeeds = 0;
  bool endsInCrLf = false;
  // A character past the record's last column was dropped. Blanks and tabs do not count:
  // writing the line would drop them anyway.
  bool cut = false;

  // The lines an editor starts in the bytes taken.
  std::uint64_t lineFeeds() const { return loneLineFeeds + (endsInCrLf ? 1 : 0); }
  friend bool operator==(const RecordRead&, const RecordRead&) = default;
};

}  // namespace tallowmere::runtime
