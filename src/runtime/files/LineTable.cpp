#include "runtime/files/LineTable.h"

#include <cstring>

namespace tallowmere::runtime {

bool LineTable::store(std::string_view text, Slot& into) {
  // Lines are at most one record wide; the check keeps the 16-bit lengths honest.
  if (text.size() > std::numeric_limits<std::uint16_t>::max()) return false;
  if (text.size() > into.capacity) {
    TextArena::Address address = 0;
    if (!arena_.allocate(text.size(), address)) return false;
    into.address = address;
    into.capacity = static_cast<std::uint16_t>(text.size());
  }
  if (!text.empty()) std::memcpy(arena_.at(into.address), text.data(), text.size());
  into.length = static_cast<std::uint16_t>(text.size());
  return true;
}

bool LineTable::takeSlot(Index& line) {
  if (free_ != None) {
    line = free_;
    free_ = slot(line).next;
    return true;
  }
  if (slotsInUse_ == None) return false;
  if ((slotsInUse_ & (BlockSize - 1)) == 0) {
    blocks_.push_back(std::make_unique_for_overwrite<Slot[]>(BlockSize));
  }
  line = slotsInUse_++;
  return true;
}

bool LineTable::insertAfter(Index after, std::string_view text, Index& inserted) {
  Slot fresh{0, 0, 0, None};
  if (!store(text, fresh)) return false;
  if (!takeSlot(inserted)) return false;
  Index& link = after == None ? head_ : slot(after).next;
  fresh.next = link;
  link = inserted;
  if (fresh.next == None) tail_ = inserted;
  slot(inserted) = fresh;
  ++size_;
  textBytes_ += text.size();
  return true;
}

bool LineTable::rewrite(Index line, std::string_view text) {
  Slot& stored = slot(line);
  // Most passes put most lines back unchanged. Comparing reads bytes the scan has just
  // brought into the cache; not writing them keeps the table's memory clean, so a pass over
  // a large table does not have to write it all back to memory.
  if (text == this->text(line)) return true;
  const std::size_t before = stored.length;
  if (!store(text, stored)) return false;
  textBytes_ = textBytes_ - before + text.size();
  return true;
}

void LineTable::remove(Index before, Index line) {
  Slot& removed = slot(line);
  (before == None ? head_ : slot(before).next) = removed.next;
  if (tail_ == line) tail_ = before;
  textBytes_ -= removed.length;
  --size_;
  removed.next = free_;
  free_ = line;
}

void LineTable::clear() {
  arena_.clear();
  blocks_.clear();
  slotsInUse_ = 0;
  free_ = None;
  head_ = None;
  tail_ = None;
  size_ = 0;
  textBytes_ = 0;
}

}  // namespace tallowmere::runtime
