#pragma once

namespace tallowmere::txa {

// Empties the line table, so that each conversion starts from nothing and a second one in
// the same run of the program does not export the first one's lines again.
void emptyLineTable();

}  // namespace tallowmere::txa
