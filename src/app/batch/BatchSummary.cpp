#include "app/batch/BatchSummary.h"

#include "app/ReportText.h"

namespace tallowmere::app {

int BatchSummary::tell(const txa::ConversionReport& report, const std::string& input,
                       const std::string& output, bool differs) {
  if (!line_.quiet) {
    for (const std::string& line : summaryLines(report)) say_(line);
  }
  for (const std::string& line : warningLines(report, input)) say_(line);
  const int status =
      differs ? worseStatus(conversionStatus(report), DiffersStatus) : conversionStatus(report);
  if (!line_.report.empty()) {
    documents_.push_back(reportDocument(report, input, output, status, !line_.check));
  }
  return status;
}

bool BatchSummary::writeReport(ReportFile& file) {
  if (file.write(reportJson(documents_, !line_.outputDir.empty()))) return true;
  say_("tallowmere: cannot write the report " + line_.report + ": " + file.problem());
  return false;
}

}  // namespace tallowmere::app
