#pragma once

namespace tallowmere::txa {
class ConversionReport;
}  // namespace tallowmere::txa

namespace tallowmere::passes {

// The passes that join a clause wrapped over several lines into one line: "#FIELD",
// ",FONT('" and ",AT(" clauses respectively. Each adds what it did to report.
void CorrectHashField(txa::ConversionReport& report);
void CorrectWindowFont(txa::ConversionReport& report);
void CorrectAT(txa::ConversionReport& report);

}  // namespace tallowmere::passes
