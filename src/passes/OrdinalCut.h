#pragma once

#include "runtime/text/FixedText.h"

namespace tallowmere::passes {

inline constexpr std::string_view OrdinalMarker = "#ORDINAL(";

// Cuts the line before the first "#ORDINAL(": the marker, everything after it and the one
// character in front of it go. A marker at character 1 leaves the line as it is. Returns
// whether the line was cut.
bool cutAtOrdinal(runtime::LineText& line);

}  // namespace tallowmere::passes
