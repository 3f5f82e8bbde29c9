#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "framework/core/Levels.h"
#include "framework/errors/ErrorEntry.h"

namespace tallowmere::framework {

// A message as it is written into a packed block.
struct MessageSource {
  std::uint16_t id;
  Level level;
  std::string_view title;
  std::string_view text;
};

// Packed layout: a little-endian USHORT count, then per entry the id as a little-endian
// USHORT, the level as one byte, and title and text each as one length byte followed by
// that many characters.
consteval std::size_t packedSize(std::span<const MessageSource> sources) {
  std::size_t size = 2;
  for (const MessageSource& source : sources) size += 2 + 1 + 1 + source.title.size() + 1 + source.text.size();
  return size;
}

template <std::size_t Size>
consteval std::array<std::uint8_t, Size> packMessageBlock(std::span<const MessageSource> sources) {
  std::array<std::uint8_t, Size> block{};
  std::size_t at = 0;
  auto putShort = [&](std::size_t value) {
    block[at++] = static_cast<std::uint8_t>(value & 0xFF);
    block[at++] = static_cast<std::uint8_t>(value >> 8);
  };
  auto putString = [&](std::string_view text) {
    if (text.size() > 255) throw "a packed message text holds at most 255 characters";
    block[at++] = static_cast<std::uint8_t>(text.size());
    for (char c : text) block[at++] = static_cast<std::uint8_t>(c);
  };
  if (sources.size() > 0xFFFF) throw "a packed block holds at most 65535 messages";
  putShort(sources.size());
  for (const MessageSource& source : sources) {
    putShort(source.id);
    block[at++] = static_cast<std::uint8_t>(source.level);
    putString(source.title);
    putString(source.text);
  }
  if (at != Size) throw "the block size does not match its contents";
  return block;
}

// The entries of a packed block, pointing into it (the block must outlive them), with an
// empty category; no value when the block is cut short.
std::optional<std::vector<ErrorEntry>> readMessageBlock(std::span<const std::uint8_t> block);

}  // namespace tallowmere::framework
