#include "framework/errors/GlobalErrors.h"

namespace tallowmere::framework {

// Defined together so that the status outlives the reporter that refers to it.
ErrorStatusClass GlobalErrorStatus;
ErrorClass GlobalErrors;

}  // namespace tallowmere::framework
