#include "app/BatchSummary.h"

#include <string>

#include "app/ReportFile.h"
#include "app/ReportJson.h"
#include "app/ReportText.h"

namespace tallowmere::app {

namespace {

constexpr int FailedStatus = 1;

void print(const std::vector<std::string>& lines, std::FILE* out) {
  for (const std::string& line : lines) std::fprintf(out, "%s\n", line.c_str());
}

}  // namespace

int finishBatch(const txa::ConversionReport& report, const CommandLine& line, std::FILE* out) {
  if (!line.quiet) print(summaryLines(report), out);
  print(warningLines(report, line.input), out);
  if (!line.report.empty()) {
    ReportFile file(line.report);
    if (!file.write(reportJson(report, line.input, line.output))) {
      std::fprintf(out, "tallowmere: cannot write the report %s: %s\n", line.report.c_str(),
                   file.problem().c_str());
      return FailedStatus;
    }
  }
  return conversionStatus(report);
}

}  // namespace tallowmere::app
