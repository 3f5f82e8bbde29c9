#pragma once

namespace tallowmere::txa {

class ConversionReport;

// Empties the output file, then writes every line of the line table to it in table order;
// adds what it did to report.
void ExportTXA(ConversionReport& report);

}  // namespace tallowmere::txa
