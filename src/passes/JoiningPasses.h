#pragma once

#include "framework/process/ProcessProcedure.h"

namespace tallowmere::passes {

// The passes that join a clause wrapped over several lines into one line: "#FIELD",
// ",FONT('" and ",AT(" clauses respectively.
framework::RunOutcome CorrectHashField();
framework::RunOutcome CorrectWindowFont();
framework::RunOutcome CorrectAT();

}  // namespace tallowmere::passes
