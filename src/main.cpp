#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/BatchJobs.h"
#include "app/BatchSummary.h"
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/Pipeline.h"
#include "app/Program.h"
#include "app/ReportFile.h"
#include "app/ReportText.h"
#include "platform/batch/BatchFrontEnd.h"
#include "platform/common/DryRun.h"
#include "platform/common/StreamFile.h"
#include "txa/ConversionReport.h"
#include "txa/TxaFiles.h"
#ifdef _WIN32
#include "platform/win32/WindowsConsole.h"
#include "platform/win32/WindowsFrontEnd.h"
#include "platform/win32/WindowsPlatform.h"
#else
#include "platform/posix/PosixConsole.h"
#include "platform/posix/PosixPlatform.h"
#include "platform/posix/StandardDescriptors.h"
#include "platform/terminal/TerminalFrontEnd.h"
#endif

namespace {

using tallowmere::app::CommandLine;

#ifdef _WIN32
using SystemConsole = tallowmere::platform::WindowsConsole;
#else
using SystemConsole = tallowmere::platform::PosixConsole;
#endif

using tallowmere::app::BatchJob;
using tallowmere::app::BatchSummary;

// One conversion of a batch run, with "-" standing for a standard stream; gives its exit
// status.
int convert(const BatchJob& job, const CommandLine& line, BatchSummary& summary,
            tallowmere::platform::Console& console) {
  std::optional<tallowmere::platform::StreamFile> input;
  std::optional<tallowmere::platform::StreamFile> output;
  if (job.input == "-") {
    if (const std::string problem = input.emplace().takeStandardInput(); !problem.empty()) {
      console.write("tallowmere: " + problem + "\n");
      return tallowmere::app::FailedStatus;
    }
  }
  if (job.output == "-") output.emplace();
  const std::string inputName = input ? input->path() : job.input;
  const std::string outputName = output ? output->path() : job.output;
  if (!line.outputDir.empty() && !line.quiet) {
    console.write("Converting " + job.input + " into " + job.output + "\n");
  }
  tallowmere::txa::setImportName(inputName);
  tallowmere::txa::setExportName(outputName);
  tallowmere::txa::ConversionReport report;
  bool changes = false;
  {
    std::optional<tallowmere::platform::DryRun> dryRun;
    if (line.check) dryRun.emplace();
    tallowmere::txa::ActiveReport active(report);
    tallowmere::app::RunProgram([&] { tallowmere::app::RunPipeline(line.options).show(); });
    changes = dryRun && dryRun->changes(inputName, outputName);
  }
  const int status = summary.tell(report, job.input, job.output);
  if (output && !line.check) {
    if (const int error = output->giveStandardOutput(); error != 0) {
      console.write(std::string("tallowmere: cannot write standard output: ") +
                    std::strerror(error) + "\n");
      return tallowmere::app::FailedStatus;
    }
  }
  return changes ? tallowmere::app::worseStatus(status, tallowmere::app::DiffersStatus) : status;
}

int convertInBatch(const CommandLine& line) {
  if (tallowmere::app::ReportFile report(line.report); !line.report.empty() && !report.writable()) {
    std::fprintf(stderr, "tallowmere: cannot write the report %s: %s\n", line.report.c_str(),
                 report.problem().c_str());
    return 2;
  }
  const std::vector<BatchJob> jobs = tallowmere::app::batchJobs(line);
  if (!line.outputDir.empty()) {
    if (const auto problem = tallowmere::app::outputDirProblem(jobs, line.outputDir)) {
      std::fprintf(stderr, "tallowmere: %s\n", problem->c_str());
      return 2;
    }
  }
  SystemConsole console(stderr);
  tallowmere::platform::BatchFrontEnd batch(console, line.quiet);
  tallowmere::runtime::ScopedFrontEnd installed(batch);
  BatchSummary summary(line, [&](const std::string& text) { console.write(text + "\n"); });
  int status = tallowmere::app::ConvertedStatus;
  for (const BatchJob& job : jobs) {
    status = tallowmere::app::worseStatus(status, convert(job, line, summary, console));
  }
  if (!summary.writeReport()) status = tallowmere::app::FailedStatus;
  return status;
}

#ifdef _WIN32
// The arguments are asked of Windows in UTF-16: argv holds them in the ANSI code page.
std::optional<std::vector<std::string>> startPlatform(int, char**) {
  tallowmere::platform::installWindowsServices();
  return tallowmere::platform::commandLineArguments();
}

int openTheWindow() {
  tallowmere::platform::WindowsFrontEnd windows;
  {
    tallowmere::runtime::ScopedFrontEnd installed(windows);
    tallowmere::app::RunProgram(tallowmere::app::Main);
  }
  windows.shutdown();
  return 0;
}
#else
// The standard descriptors come first: any file opened before would take one of them.
std::optional<std::vector<std::string>> startPlatform(int argc, char** argv) {
  if (!tallowmere::platform::openClosedStandardDescriptors()) return std::nullopt;
  tallowmere::platform::installPosixServices();
  return std::vector<std::string>(argv + 1, argv + argc);
}

int openTheWindow() {
  auto terminal = tallowmere::platform::TerminalFrontEnd::start();
  if (!terminal) {
    std::fputs(
        "tallowmere: the window needs a terminal that can place the cursor; use --batch to "
        "convert without one\n",
        stderr);
    return 2;
  }
  {
    tallowmere::runtime::ScopedFrontEnd installed(*terminal);
    tallowmere::app::RunProgram(tallowmere::app::Main);
  }
  terminal->shutdown();
  return 0;
}
#endif

}  // namespace

int main(int argc, char** argv) {
  const std::optional<std::vector<std::string>> given = startPlatform(argc, argv);
  if (!given) return 2;
  const std::vector<std::string_view> arguments(given->begin(), given->end());
  const CommandLine line = CommandLine::parse(arguments);
  switch (line.mode) {
    case CommandLine::Mode::Help:
      std::fputs(CommandLine::usage().data(), stdout);
      return 0;
    case CommandLine::Mode::Version:
      std::puts("tallowmere " TALLOWMERE_VERSION);
      return 0;
    case CommandLine::Mode::UsageError:
      std::fprintf(stderr, "tallowmere: %s (see tallowmere --help)\n", line.problem.c_str());
      return 2;
    case CommandLine::Mode::Batch:
    case CommandLine::Mode::Interactive:
      break;
  }
  return line.mode == CommandLine::Mode::Batch ? convertInBatch(line) : openTheWindow();
}
