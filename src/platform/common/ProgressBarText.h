#pragma once

#include <string>

namespace tallowmere::platform {

// How a progress bar fills its cells: block characters in eighths of a cell when the
// terminal shows UTF-8, '#' for done and '.' for still to do otherwise.
enum class Glyphs { Unicode, Ascii };

// The bar for value (0..100, clamped) over width cells, as UTF-8 or ASCII text.
std::string progressBarText(int value, int width, Glyphs glyphs);

}  // namespace tallowmere::platform
