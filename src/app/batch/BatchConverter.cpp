#include "app/batch/BatchConverter.h"

#include <cstring>
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

// One conversion of a batch run, with "-" standing for a standard stream; gives its exit
// status.
int convert(const BatchJob& job, const CommandLine& line, BatchSummary& summary,
            platform::Console& console) {
  std::optional<platform::StreamFile> input;
  std::optional<platform::StreamFile> output;
  if (job.input == "-") {
    if (const std::string problem = input.emplace().takeStandardInput(); !problem.empty()) {
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
  const int status = summary.tell(report, job.input, job.output);
  if (output && !line.check) {
    if (const int error = output->giveStandardOutput(); error != 0) {
      console.write(std::string("tallowmere: cannot write standard output: ") +
                    std::strerror(error) + "\n");
      return FailedStatus;
    }
  }
  return changes ? worseStatus(status, DiffersStatus) : status;
}

}  // namespace

int convertInBatch(const CommandLine& line, platform::Console& console) {
  ReportFile reportFile(line.report);
  if (!line.report.empty() && !reportFile.writable()) {
    console.write("tallowmere: cannot write the report " + line.report + ": " +
                  reportFile.problem() + "\n");
    return 2;
  }
  const std::vector<BatchJob> jobs = batchJobs(line);
  if (!line.outputDir.empty()) {
    if (const auto problem = outputDirProblem(jobs, line.outputDir)) {
      console.write("tallowmere: " + *problem + "\n");
      return 2;
    }
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
