#pragma once

#include "app/ConversionOptions.h"

namespace tallowmere::app {

// The main window's conversion: the pipeline with a report kept, and afterwards one notice
// when a pass was cancelled or a chosen correction could not be applied everywhere.
void RunReportedPipeline(const ConversionOptions& options);

}  // namespace tallowmere::app
