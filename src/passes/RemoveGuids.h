#pragma once

#include "framework/process/ProcessProcedure.h"

namespace tallowmere::passes {

// Replaces each leading "!!> GUID('...')" by "!!> Ident(n)", n counting down from
// 4294967295 in table order.
framework::RunOutcome RemoveGuids();

}  // namespace tallowmere::passes
