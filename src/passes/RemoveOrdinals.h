#pragma once

#include "framework/process/ProcessProcedure.h"

namespace tallowmere::passes {

// Cuts every line of the table before its "#ORDINAL(" marker.
framework::RunOutcome RemoveOrdinals();

}  // namespace tallowmere::passes
