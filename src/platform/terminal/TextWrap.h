#pragma once

#include <string>
#include <vector>

namespace tallowmere::platform {

// A message text as lines of at most width cells, in their shown form (CellText.h): its
// lines (see messageLines), each broken at its last blank before the limit (or within a
// word longer than a whole line).
std::vector<std::string> wrapMessageText(const std::string& text, int width);

}  // namespace tallowmere::platform
