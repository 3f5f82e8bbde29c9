#include "framework/files/SavedRecords.h"

#include <algorithm>

namespace tallowmere::framework {

std::uint16_t SavedRecords::save(const runtime::LineText& record) {
  if (++lastId_ == 0) ++lastId_;  // 0 means "nothing saved"
  copies_.emplace_back(lastId_, record);
  return lastId_;
}

void SavedRecords::take(std::uint16_t& id, runtime::LineText& record, bool restore) {
  const auto found = std::find_if(copies_.begin(), copies_.end(),
                                  [id](const auto& copy) { return copy.first == id; });
  id = 0;
  if (found == copies_.end()) return;
  if (restore) record = found->second;
  copies_.erase(found);
}

}  // namespace tallowmere::framework
