#pragma once

namespace tallowmere::txa {
class ConversionReport;
}  // namespace tallowmere::txa

namespace tallowmere::passes {

// Replaces each leading "!!> GUID('...')" by "!!> Ident(n)", n counting down from
// 4294967295 in table order; adds what it did to report.
void RemoveGuids(txa::ConversionReport& report);

}  // namespace tallowmere::passes
