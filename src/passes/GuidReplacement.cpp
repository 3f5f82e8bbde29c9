#include "passes/GuidReplacement.h"

#include <string>

namespace tallowmere::passes {

namespace {
// Characters 1 to 48 hold the marker, a 36-character identifier and "')".
constexpr std::size_t ReplacedLength = 48;
}  // namespace

bool replaceGuid(runtime::LineText& line, std::uint32_t ident) {
  if (!line.view().starts_with(GuidMarker)) return false;
  std::string LINE;
  LINE.reserve(runtime::LineWidth);
  LINE += IdentHead;
  LINE += runtime::decimal(ident);
  LINE += ')';
  LINE += line.clipped().substr(std::min(ReplacedLength, line.clippedLength()));
  line.assign(LINE);
  return true;
}

}  // namespace tallowmere::passes
