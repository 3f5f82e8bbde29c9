#pragma once

#include "framework/process/ProcessProcedure.h"

namespace tallowmere::txa {

// Empties the output file, then writes every line of the line table to it in table order.
framework::RunOutcome ExportTXA();

}  // namespace tallowmere::txa
