#include "app/BatchSummary.h"

#include <string>

#include "app/ReportFile.h"
#include "app/ReportJson.h"
#include "app/ReportText.h"

namespace tallowmere::app {

namespace {

constexpr int FailedStatus = 1;

void sayEach(const std::vector<std::string>& lines, const Say& say) {
  for (const std::string& line : lines) say(line);
}

}  // namespace

int finishBatch(const txa::ConversionReport& report, const CommandLine& line, const Say& say) {
  if (!line.quiet) sayEach(summaryLines(report), say);
  sayEach(warningLines(report, line.input), say);
  if (!line.report.empty()) {
    ReportFile file(line.report);
    if (!file.write(reportJson(report, line.input, line.output))) {
      say("tallowmere: cannot write the report " + line.report + ": " + file.problem());
      return FailedStatus;
    }
  }
  return conversionStatus(report);
}

}  // namespace tallowmere::app
