#include "passes/GuidReplacement.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>

namespace tallowmere::passes {

namespace {
// Characters 1 to 48 hold the marker, a 36-character identifier and "')".
constexpr std::size_t ReplacedLength = 48;
}  // namespace

bool replaceGuid(runtime::LineText& line, std::uint32_t ident) {
  if (!line.view().starts_with(GuidMarker)) return false;
  const std::string_view clipped = line.clipped();
  const std::string_view rest = clipped.substr(std::min(ReplacedLength, clipped.size()));
  const std::string number = runtime::decimal(ident);
  // Composed on the stack: a quarter of a realistic export's lines carry a GUID.
  char LINE[runtime::LineWidth];
  std::size_t length = 0;
  for (const std::string_view piece :
       {IdentHead, std::string_view(number), std::string_view(")"), rest}) {
    const std::size_t taken = std::min(piece.size(), sizeof LINE - length);
    std::memcpy(LINE + length, piece.data(), taken);
    length += taken;
  }
  line.assign({LINE, length});
  return true;
}

}  // namespace tallowmere::passes
