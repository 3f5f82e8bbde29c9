#pragma once

#include "app/ConversionOptions.h"

namespace tallowmere::app {

// The main window's conversion: the pipeline with a report kept, and afterwards a notice
// when a chosen correction could not be applied everywhere.
void RunReportedPipeline(const ConversionOptions& options);

}  // namespace tallowmere::app
