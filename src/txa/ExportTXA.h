#pragma once

namespace tallowmere::txa {

// Empties the output file, then writes every line of the line table to it in table order.
void ExportTXA();

}  // namespace tallowmere::txa
