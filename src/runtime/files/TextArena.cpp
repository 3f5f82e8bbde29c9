#include "runtime/files/TextArena.h"

namespace tallowmere::runtime {

bool TextArena::allocate(std::size_t size, Address& address) {
  if (size == 0) {
    address = 0;  // never looked at: nothing is stored there
    return true;
  }
  if (size > ChunkSize) return false;
  if (ChunkSize - usedInLast_ < size) {
    if (chunks_.size() == MaxChunks) return false;
    chunks_.push_back(std::make_unique_for_overwrite<char[]>(ChunkSize));
    usedInLast_ = 0;
  }
  address = static_cast<Address>(((chunks_.size() - 1) << ChunkBits) + usedInLast_);
  usedInLast_ += size;
  return true;
}

void TextArena::clear() {
  chunks_.clear();
  usedInLast_ = ChunkSize;
}

}  // namespace tallowmere::runtime
