#include "passes/OrdinalCut.h"

namespace tallowmere::passes {

bool cutAtOrdinal(runtime::LineText& line) {
  const runtime::TextPosition POS = line.find(OrdinalMarker);
  if (!POS) return false;
  const int keep = POS.position() - 2;
  // A marker at character 1 would keep a negative count: the whole line stays.
  if (keep < 0) return false;
  line.assign(line.view().substr(0, static_cast<std::size_t>(keep)));
  return true;
}

}  // namespace tallowmere::passes
