#include "runtime/text/FixedText.h"

namespace tallowmere::runtime {

std::string_view clip(std::string_view text) {
  const auto last = text.find_last_not_of(Blank);
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

std::string_view skipLeadingBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(Blank);
  return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

TextPosition findText(std::string_view text, std::string_view needle, int start) {
  if (needle.empty() || start < 1) return {};
  const auto from = static_cast<std::size_t>(start - 1);
  if (from >= text.size()) return {};
  const auto at = text.find(needle, from);
  if (at == std::string_view::npos) return {};
  return TextPosition(static_cast<int>(at + 1));
}

std::string decimal(std::uint64_t value) {
  return std::to_string(value);
}

}  // namespace tallowmere::runtime
