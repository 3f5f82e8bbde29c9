#pragma once

#include <functional>
#include <string>

#include "app/CommandLine.h"
#include "txa/ConversionReport.h"

namespace tallowmere::app {

// Tells the person running the converter one line.
using Say = std::function<void(const std::string& line)>;

// After a batch conversion: the summary of each pass (unless --quiet) and a warning for
// every group kept as read, each told by say, and the JSON report when --report asks for
// one. Returns the exit status.
int finishBatch(const txa::ConversionReport& report, const CommandLine& line, const Say& say);

}  // namespace tallowmere::app
