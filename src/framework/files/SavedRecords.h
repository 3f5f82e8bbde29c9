#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "runtime/text/FixedText.h"

namespace tallowmere::framework {

// Copies of a record buffer kept under numeric ids (never 0), to be put back later or
// dropped.
class SavedRecords {
 public:
  std::uint16_t save(const runtime::LineText& record);
  // Puts the copy back into record when restore is set; the copy is dropped either way and
  // id is cleared. An unknown id changes nothing.
  void take(std::uint16_t& id, runtime::LineText& record, bool restore);
  void clear() { copies_.clear(); }

 private:
  std::vector<std::pair<std::uint16_t, runtime::LineText>> copies_;
  std::uint16_t lastId_ = 0;
};

}  // namespace tallowmere::framework
