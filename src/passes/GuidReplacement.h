#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/text/FixedText.h"

namespace tallowmere::passes {

inline constexpr std::string_view GuidMarker = "!!> GUID('";
inline constexpr std::string_view IdentHead = "!!> Ident(";
inline constexpr std::uint32_t FirstIdent = 4294967295u;

// A line that starts with "!!> GUID('" has its first 48 characters replaced by
// "!!> Ident(" ident ")"; everything from character 49 on follows directly. Returns whether
// the line was replaced.
bool replaceGuid(runtime::LineText& line, std::uint32_t ident);

}  // namespace tallowmere::passes
