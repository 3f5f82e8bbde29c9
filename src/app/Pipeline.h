#pragma once

#include "app/CancelNotice.h"
#include "app/ConversionOptions.h"

namespace tallowmere::app {

// One conversion: the import, the chosen corrections in their fixed order (Remove Guids,
// Remove Ordinals, Correct Hash Field, Correct Window Font, Correct AT) and the export.
// No pass's outcome stops the ones after it. Gives what the user is to be told about passes
// they cancelled; nothing is shown here.
CancelNotice RunPipeline(const ConversionOptions& options);

}  // namespace tallowmere::app
