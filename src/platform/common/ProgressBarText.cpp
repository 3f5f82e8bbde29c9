#include "platform/common/ProgressBarText.h"

#include <algorithm>

namespace tallowmere::platform {

namespace {

constexpr int Maximum = 100;
constexpr int EighthsPerCell = 8;

// U+2588 FULL BLOCK down to U+258F LEFT ONE EIGHTH BLOCK, then U+2591 LIGHT SHADE.
constexpr const char* PartialBlocks[EighthsPerCell] = {"",       "\u258F", "\u258E", "\u258D",
                                                       "\u258C", "\u258B", "\u258A", "\u2589"};
constexpr const char* FullBlock = "\u2588";
constexpr const char* EmptyCell = "\u2591";

std::string repeated(const char* glyph, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += glyph;
  return text;
}

}  // namespace

std::string progressBarText(int value, int width, Glyphs glyphs) {
  width = std::max(width, 0);
  const int clamped = std::clamp(value, 0, Maximum);
  if (glyphs == Glyphs::Ascii) {
    const int done = clamped * width / Maximum;
    return std::string(done, '#') + std::string(width - done, '.');
  }
  const int eighths = clamped * width * EighthsPerCell / Maximum;
  const int full = eighths / EighthsPerCell;
  const int partial = eighths % EighthsPerCell;
  const int empty = width - full - (partial ? 1 : 0);
  return repeated(FullBlock, full) + PartialBlocks[partial] + repeated(EmptyCell, empty);
}

}  // namespace tallowmere::platform
