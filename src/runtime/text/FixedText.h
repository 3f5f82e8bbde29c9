#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallowmere::runtime {

inline constexpr char Blank = ' ';

// Text without its trailing blanks (only the space character counts as blank).
std::string_view clip(std::string_view text);
// Text without its leading blanks.
std::string_view skipLeadingBlanks(std::string_view text);
// Where a search found its needle: a 1-based character position, or nothing. Not an int,
// so that "not found" cannot be taken for a position.
class TextPosition {
 public:
  TextPosition() = default;  // nothing found
  explicit TextPosition(int position) : position_(position) {}
  explicit operator bool() const { return position_ > 0; }
  // 1-based; only meaningful when something was found.
  int position() const { return position_; }

 private:
  int position_ = 0;
};

// The leftmost occurrence of needle that lies wholly inside text and starts at or after the
// 1-based position start; nothing when there is none or the needle is empty.
TextPosition findText(std::string_view text, std::string_view needle, int start = 1);
// Plain decimal digits: no sign, no leading zeros, no separators.
std::string decimal(std::uint64_t value);

// A blank-padded field of exactly N single-byte characters, the record layout of every
// TXA line. It remembers how far its content may reach, so clipping and re-padding cost
// only the characters actually used instead of all N on every line.
template <std::size_t N>
class FixedText {
 public:
  static constexpr std::size_t Size = N;

  FixedText() { chars_.fill(Blank); }
  explicit FixedText(std::string_view text) : FixedText() { assign(text); }
  FixedText(const FixedText&) = default;
  // Copies only what either side may hold; everything beyond is blank in both.
  FixedText& operator=(const FixedText& other) {
    if (this != &other) assign({other.chars_.data(), other.used_});
    return *this;
  }

  // Cut to N characters or pad with blanks.
  void assign(std::string_view text) {
    const std::size_t length = std::min(text.size(), N);
    std::copy_n(text.data(), length, chars_.data());
    if (length < used_) std::fill(chars_.begin() + length, chars_.begin() + used_, Blank);
    used_ = length;
  }
  void clear() { assign({}); }

  // All N characters, trailing blanks included.
  std::string_view view() const { return {chars_.data(), N}; }
  // The content without trailing blanks. Inline and bounded by used_: every pass asks for
  // it several times a line, and a line rarely ends in blanks.
  std::string_view clipped() const {
    std::size_t length = used_;
    while (length > 0 && chars_[length - 1] == Blank) --length;
    return {chars_.data(), length};
  }
  std::size_t clippedLength() const { return clipped().size(); }
  bool isBlank() const { return clipped().empty(); }
  TextPosition find(std::string_view needle, int start = 1) const {
    // Beyond used_ there are only blanks, so an occurrence can reach at most needle.size()
    // characters past it.
    return findText({chars_.data(), std::min(N, used_ + needle.size())}, needle, start);
  }

  const char* data() const { return chars_.data(); }
  // Raw write access: afterwards nothing is assumed about where the content ends.
  char* mutableData() {
    used_ = N;
    return chars_.data();
  }

  friend bool operator==(const FixedText& a, const FixedText& b) { return a.view() == b.view(); }

 private:
  std::array<char, N> chars_;
  std::size_t used_ = 0;  // every character at or beyond this index is a blank
};

inline constexpr std::size_t LineWidth = 500;
using LineText = FixedText<LineWidth>;

}  // namespace tallowmere::runtime
