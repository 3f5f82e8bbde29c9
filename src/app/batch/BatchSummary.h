#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/batch/ReportFile.h"
#include "app/batch/ReportJson.h"
#include "txa/ConversionReport.h"

namespace tallowmere::app {

// Tells the person running the converter one line.
using Say = std::function<void(const std::string& line)>;

// What a batch run tells after each conversion, and the JSON report it keeps for the whole
// run when --report asks for one.
class BatchSummary {
 public:
  BatchSummary(const CommandLine& line, Say say) : line_(line), say_(std::move(say)) {}

  // After one conversion: the summary of each pass (unless --quiet) and a warning for every
  // group kept as read, named by input as given. differs: --check found that the output
  // would differ from the input. Returns the conversion's exit status.
  int tell(const txa::ConversionReport& report, const std::string& input, const std::string& output,
           bool differs);
  // Writes the report of every conversion told so far to file; false, after saying why,
  // when it cannot.
  bool writeReport(ReportFile& file);

 private:
  const CommandLine& line_;
  Say say_;
  std::vector<ReportDocument> documents_;
};

}  // namespace tallowmere::app
