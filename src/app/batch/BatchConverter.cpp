#include "app/batch/BatchConverter.h"

#include <optional>
#include <string>
#include <vector>

#include "app/CancelNotice.h"
#include "app/Pipeline.h"
#include "app/Program.h"
#include "app/ReportText.h"
#include "app/batch/BatchJobs.h"
#include "app/batch/BatchSummary.h"
#include "app/batch/ReportFile.h"
#include "platform/batch/BatchFrontEnd.h"
#include "platform/common/DryRun.h"
#include "platform/common/StreamFile.h"
#include "txa/TxaFiles.h"

namespace tallowmere::app {

namespace {

constexpr int UsageStatus = 2;

// One conversion of a batch run, with "-" standing for a standard stream and an input that
// can be read only once copied first; gives its exit status.
int convert(const BatchJob& job, const CommandLine& line, BatchSummary& summary,
            platform::Console& console) {
  std::optional<platform::StreamFile> input;
  std::optional<platform::StreamFile> output;
  if (platform::StreamFile::readThroughCopy(job.input)) {
    if (const std::string problem = input.emplace().take(job.input); !problem.empty()) {
      console.write("tallowmere: " + problem + "\n");
      return FailedStatus;
    }
  }
  if (job.output == "-") output.emplace();
  const std::string inputName = input ? input->path() : job.input;
  const std::string outputName = output ? output->path() : job.output;
  if (!line.outputDir.empty() && !line.quiet) {
    console.write("Converting " + job.input + " into " + job.output + "\n");
  }
  txa::setImportName(inputName);
  txa::setExportName(outputName);
  txa::ConversionReport report;
  bool changes = false;
  {
    std::optional<platform::DryRun> dryRun;
    if (line.check) dryRun.emplace();
    RunProgram([&] {
      report = RunPipeline(line.options);
      showCancelNotice(report);
    });
    changes = dryRun && dryRun->changes(inputName, outputName);
  }
  const int status = summary.tell(report, job.input, job.output, changes);
  if (output && !line.check) {
    if (const std::string problem = output->giveStandardOutput(); !problem.empty()) {
      console.write("tallowmere: cannot write standard output: " + problem + "\n");
      return FailedStatus;
    }
  }
  return status;
}

// Why the run cannot start, or nothing; checked before anything is read or written.
std::optional<std::string> runProblem(const CommandLine& line, const std::vector<BatchJob>& jobs,
                                      ReportFile& reportFile) {
  if (auto problem = reportProblem(jobs, line.report)) return problem;
  if (!line.report.empty() && !reportFile.writable()) {
    return "cannot write the report " + line.report + ": " + reportFile.problem();
  }
  return jobsProblem(jobs, line);
}

}  // namespace

int convertInBatch(const CommandLine& line, platform::Console& console) {
  const std::vector<BatchJob> jobs = batchJobs(line);
  ReportFile reportFile(line.report);
  if (const auto problem = runProblem(line, jobs, reportFile)) {
    console.write("tallowmere: " + *problem + "\n");
    return UsageStatus;
  }
  platform::BatchFrontEnd batch(console, line.quiet);
  runtime::ScopedFrontEnd installed(batch);
  BatchSummary summary(line, [&](const std::string& text) { console.write(text + "\n"); });
  int status = ConvertedStatus;
  for (const BatchJob& job : jobs)
    status = worseStatus(status, convert(job, line, summary, console));
  if (!line.report.empty() && !summary.writeReport(reportFile)) status = FailedStatus;
  return status;
}

}  // namespace tallowmere::app
