#pragma once

#include "app/ConversionOptions.h"
#include "txa/ConversionReport.h"

namespace tallowmere::app {

// One conversion: the import, the chosen corrections in their fixed order (Remove Guids,
// Remove Ordinals, Correct Hash Field, Correct Window Font, Correct AT) and the export.
// No pass's outcome stops the ones after it. Gives what each pass did, beginning with the
// import and ending with the export; nothing is shown here: each front end presents the
// report in its own way.
txa::ConversionReport RunPipeline(const ConversionOptions& options);

}  // namespace tallowmere::app
