#pragma once

#include <cstdio>

#include "app/CommandLine.h"
#include "txa/ConversionReport.h"

namespace tallowmere::app {

// After a batch conversion: the summary of each pass (unless --quiet) and a warning for
// every group kept as read on out, the JSON report when --report asks for one. Returns the
// exit status.
int finishBatch(const txa::ConversionReport& report, const CommandLine& line, std::FILE* out);

}  // namespace tallowmere::app
