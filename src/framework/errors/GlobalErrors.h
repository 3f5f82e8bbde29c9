#pragma once

#include "framework/errors/ErrorClass.h"
#include "framework/errors/ErrorStatusClass.h"

namespace tallowmere::framework {

// The program's one error reporter and the error state it works on. Constructed when the
// program loads; the main body's first statement is GlobalErrors.Init(GlobalErrorStatus).
extern ErrorClass GlobalErrors;
extern ErrorStatusClass GlobalErrorStatus;

}  // namespace tallowmere::framework
