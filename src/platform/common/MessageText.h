#pragma once

#include <string>
#include <vector>

namespace tallowmere::platform {

// A message text's lines: each "|" starts a new one, so a text ending in "|" ends with an
// empty line and an empty text is one empty line.
std::vector<std::string> messageLines(const std::string& text);

}  // namespace tallowmere::platform
