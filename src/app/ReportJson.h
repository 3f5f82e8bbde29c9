#pragma once

#include <string>

#include "txa/ConversionReport.h"

namespace tallowmere::app {

// The conversion report as a JSON document for scripts; its fields are described in the
// README. input and output are the files' names as given.
std::string reportJson(const txa::ConversionReport& report, const std::string& input,
                       const std::string& output);

}  // namespace tallowmere::app
