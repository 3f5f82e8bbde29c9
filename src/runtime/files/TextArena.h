#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tallowmere::runtime {

// Line text packed into fixed chunks that are never moved or grown: a table of tens of
// megabytes grows by one chunk at a time instead of reallocating (and so briefly doubling)
// one huge buffer. A 32-bit address keeps the per-line bookkeeping small.
class TextArena {
 public:
  using Address = std::uint32_t;
  static constexpr unsigned ChunkBits = 20;
  static constexpr std::size_t ChunkSize = std::size_t{1} << ChunkBits;
  static constexpr std::size_t MaxChunks = (std::uint64_t{1} << 32) >> ChunkBits;

  // Room for size (at most ChunkSize) contiguous bytes; false when all 4 GiB are in use.
  // Throws std::bad_alloc when memory runs out.
  bool allocate(std::size_t size, Address& address);
  char* at(Address address) {
    return chunks_[address >> ChunkBits].get() + (address & (ChunkSize - 1));
  }
  const char* at(Address address) const {
    return chunks_[address >> ChunkBits].get() + (address & (ChunkSize - 1));
  }
  void clear();

 private:
  std::vector<std::unique_ptr<char[]>> chunks_;
  std::size_t usedInLast_ = ChunkSize;
};

}  // namespace tallowmere::runtime
