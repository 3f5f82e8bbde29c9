#pragma once

namespace tallowmere::txa {

class ConversionReport;

// Appends every line of the input file, as the line rules read it, to the line table;
// adds what it did to report.
void ImportTXA(ConversionReport& report);

}  // namespace tallowmere::txa
