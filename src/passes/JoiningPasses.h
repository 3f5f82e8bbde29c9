#pragma once

namespace tallowmere::passes {

// The passes that join a clause wrapped over several lines into one line: "#FIELD",
// ",FONT('" and ",AT(" clauses respectively.
void CorrectHashField();
void CorrectWindowFont();
void CorrectAT();

}  // namespace tallowmere::passes
