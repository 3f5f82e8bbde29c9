#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <string_view>
#include <vector>

#include "runtime/files/TextArena.h"

namespace tallowmere::runtime {

// The lines of the in-memory table, in order, each held without trailing padding. Lines
// are singly linked through 32-bit slot numbers: a scan knows the line before its current
// one, which is all an O(1) unlink or insert needs. Slots of removed lines are reused.
// Operations that store text throw std::bad_alloc when memory runs out.
class LineTable {
 public:
  using Index = std::uint32_t;
  static constexpr Index None = std::numeric_limits<Index>::max();

  Index first() const { return head_; }
  Index following(Index line) const { return slot(line).next; }
  std::string_view text(Index line) const {
    const Slot& stored = slot(line);
    if (stored.length == 0) return {};
    return {arena_.at(stored.address), stored.length};
  }

  // Inserts text after line after, or in front of all lines when after is None. False
  // when the table cannot address another line or more text.
  bool insertAfter(Index after, std::string_view text, Index& inserted);
  bool append(std::string_view text, Index& inserted) { return insertAfter(tail_, text, inserted); }
  // Replaces the line's text, in place when the new text fits where the old one was.
  bool rewrite(Index line, std::string_view text);
  // Unlinks line, whose predecessor is before (None for the first line).
  void remove(Index before, Index line);
  void clear();

  std::size_t size() const { return size_; }
  std::uint64_t textBytes() const { return textBytes_; }

 private:
  struct Slot {
    TextArena::Address address;
    std::uint16_t length;
    std::uint16_t capacity;
    Index next;
  };
  static constexpr unsigned BlockBits = 16;
  static constexpr std::size_t BlockSize = std::size_t{1} << BlockBits;

  Slot& slot(Index line) { return blocks_[line >> BlockBits][line & (BlockSize - 1)]; }
  const Slot& slot(Index line) const { return blocks_[line >> BlockBits][line & (BlockSize - 1)]; }
  bool store(std::string_view text, Slot& into);
  bool takeSlot(Index& line);

  TextArena arena_;
  std::vector<std::unique_ptr<Slot[]>> blocks_;
  Index slotsInUse_ = 0;  // slots ever handed out since the last clear
  Index free_ = None;  // removed slots, linked through next
  Index head_ = None;
  Index tail_ = None;
  std::size_t size_ = 0;
  std::uint64_t textBytes_ = 0;
};

}  // namespace tallowmere::runtime
