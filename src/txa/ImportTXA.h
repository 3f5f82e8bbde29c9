#pragma once

namespace tallowmere::txa {

// Appends every line of the input file, as the line rules read it, to the line table.
void ImportTXA();

}  // namespace tallowmere::txa
