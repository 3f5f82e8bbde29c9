#include "framework/errors/MessageBlock.h"

namespace tallowmere::framework {

namespace {

// Walks a packed block, refusing to step past its end.
class BlockReader {
 public:
  explicit BlockReader(std::span<const std::uint8_t> block) : block_(block) {}

  bool readByte(std::uint8_t& value) {
    if (at_ >= block_.size()) return false;
    value = block_[at_++];
    return true;
  }
  bool readShort(std::uint16_t& value) {
    std::uint8_t low = 0;
    std::uint8_t high = 0;
    if (!readByte(low) || !readByte(high)) return false;
    value = static_cast<std::uint16_t>(low | (high << 8));
    return true;
  }
  bool readString(std::string_view& text) {
    std::uint8_t length = 0;
    if (!readByte(length) || block_.size() - at_ < length) return false;
    text = {reinterpret_cast<const char*>(block_.data() + at_), length};
    at_ += length;
    return true;
  }

 private:
  std::span<const std::uint8_t> block_;
  std::size_t at_ = 0;
};

}  // namespace

std::optional<std::vector<ErrorEntry>> readMessageBlock(std::span<const std::uint8_t> block) {
  BlockReader reader(block);
  std::uint16_t count = 0;
  if (!reader.readShort(count)) return std::nullopt;
  std::vector<ErrorEntry> entries(count);
  for (ErrorEntry& entry : entries) {
    std::uint16_t id = 0;
    if (!reader.readShort(id) || !reader.readByte(entry.Fatality) ||
        !reader.readString(entry.Title) || !reader.readString(entry.Message)) {
      return std::nullopt;
    }
    entry.Id = id;
  }
  return entries;
}

}  // namespace tallowmere::framework
