#pragma once

#include "app/CommandLine.h"
#include "platform/common/Console.h"

namespace tallowmere::app {

// The converter without a window: runs the conversions a batch command line asks for, one
// after the other, each with its progress, summary and warnings on console, and writes the
// report file when one is asked for. Gives the run's exit status, the worst of its
// conversions'.
int convertInBatch(const CommandLine& line, platform::Console& console);

}  // namespace tallowmere::app
