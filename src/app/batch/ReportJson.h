#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "txa/ConversionReport.h"

namespace tallowmere::app {

using ReportDocument = nlohmann::ordered_json;

// One conversion's report as a JSON document for scripts; its fields are described in the
// README. input and output are the files' names as given, status the exit status the
// conversion ends with; an output not written (--check) is said so.
ReportDocument reportDocument(const txa::ConversionReport& report, const std::string& input,
                              const std::string& output, int status, bool written);

// The report file's text: the one document of a single conversion, or an array of them
// when a run converted several files.
std::string reportJson(const std::vector<ReportDocument>& documents, bool several);

}  // namespace tallowmere::app
