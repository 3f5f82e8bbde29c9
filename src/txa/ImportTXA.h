#pragma once

#include "framework/process/ProcessProcedure.h"

namespace tallowmere::txa {

// Appends every line of the input file, as the line rules read it, to the line table.
framework::RunOutcome ImportTXA();

}  // namespace tallowmere::txa
