#pragma once

namespace tallowmere::txa {
class ConversionReport;
}  // namespace tallowmere::txa

namespace tallowmere::passes {

// Cuts every line of the table before its "#ORDINAL(" marker; adds what it did to report.
void RemoveOrdinals(txa::ConversionReport& report);

}  // namespace tallowmere::passes
