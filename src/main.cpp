#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

#include "app/BatchSummary.h"
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/Pipeline.h"
#include "app/Program.h"
#include "app/ReportFile.h"
#include "platform/batch/BatchFrontEnd.h"
#include "platform/common/DryRun.h"
#include "platform/posix/PosixConsole.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixPrivateProfile.h"
#include "platform/posix/StandardDescriptors.h"
#include "platform/terminal/TerminalFrontEnd.h"
#include "runtime/files/FileSystem.h"
#include "runtime/settings/PrivateProfile.h"
#include "txa/ConversionReport.h"
#include "txa/TxaFiles.h"

namespace {

using tallowmere::app::CommandLine;

int convertInBatch(const CommandLine& line) {
  if (tallowmere::app::ReportFile report(line.report); !line.report.empty() && !report.writable()) {
    std::fprintf(stderr, "tallowmere: cannot write the report %s: %s\n", line.report.c_str(),
                 report.problem().c_str());
    return 2;
  }
  tallowmere::platform::PosixConsole console(stderr);
  tallowmere::platform::BatchFrontEnd batch(console, line.quiet);
  tallowmere::runtime::ScopedFrontEnd installed(batch);
  tallowmere::txa::setImportName(line.input);
  tallowmere::txa::setExportName(line.output);
  tallowmere::txa::ConversionReport report;
  bool changes = false;
  {
    std::optional<tallowmere::platform::DryRun> dryRun;
    if (line.check) dryRun.emplace();
    tallowmere::txa::ActiveReport active(report);
    tallowmere::app::RunProgram([&] { tallowmere::app::RunPipeline(line.options).show(); });
    changes = dryRun && dryRun->changes(line.input, line.output);
  }
  const int status = tallowmere::app::finishBatch(
      report, line, [&](const std::string& text) { console.write(text + "\n"); });
  return changes && status != 1 ? 4 : status;
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

}  // namespace

int main(int argc, char** argv) {
  if (!tallowmere::platform::openClosedStandardDescriptors()) return 2;
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
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
  static tallowmere::platform::PosixFileSystem fileSystem;
  tallowmere::runtime::installFileSystem(fileSystem);
  static tallowmere::platform::PosixPrivateProfile settings;
  tallowmere::runtime::installPrivateProfile(settings);
  return line.mode == CommandLine::Mode::Batch ? convertInBatch(line) : openTheWindow();
}
