#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/Pipeline.h"
#include "app/Program.h"
#include "platform/batch/BatchFrontEnd.h"
#include "txa/TxaFiles.h"
#ifdef _WIN32
#include "platform/win32/WindowsPlatform.h"
#else
#include "platform/posix/PosixPlatform.h"
#include "platform/terminal/TerminalFrontEnd.h"
#endif

namespace {

using tallowmere::app::CommandLine;

int convertInBatch(const CommandLine& line) {
  tallowmere::platform::BatchFrontEnd batch;
  tallowmere::runtime::ScopedFrontEnd installed(batch);
  tallowmere::txa::setImportName(line.input);
  tallowmere::txa::setExportName(line.output);
  tallowmere::app::RunProgram([&] { tallowmere::app::RunPipeline(line.options); });
  return 0;
}

#ifdef _WIN32
// The arguments are asked of Windows in UTF-16: argv holds them in the ANSI code page.
std::vector<std::string> startPlatform(int, char**) {
  tallowmere::platform::installWindowsServices();
  return tallowmere::platform::commandLineArguments();
}

int openTheWindow() {
  std::fputs("tallowmere: this build has no window yet; use --batch to convert\n", stderr);
  return 2;
}
#else
std::vector<std::string> startPlatform(int argc, char** argv) {
  tallowmere::platform::installPosixServices();
  return {argv + 1, argv + argc};
}

int openTheWindow() {
  auto terminal = tallowmere::platform::TerminalFrontEnd::start();
  if (!terminal) {
    std::fputs("tallowmere: the window needs a terminal; use --batch to convert without one\n",
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
  const std::vector<std::string> given = startPlatform(argc, argv);
  const std::vector<std::string_view> arguments(given.begin(), given.end());
  const CommandLine line = CommandLine::parse(arguments);
  switch (line.mode) {
    case CommandLine::Mode::Help:
      std::fputs(CommandLine::usage().data(), stdout);
      return 0;
    case CommandLine::Mode::Version:
      std::puts("tallowmere 1.0.0");
      return 0;
    case CommandLine::Mode::UsageError:
      std::fprintf(stderr, "tallowmere: %s (see tallowmere --help)\n", line.problem.c_str());
      return 2;
    case CommandLine::Mode::Batch:
    case CommandLine::Mode::Interactive: break;
  }
  return line.mode == CommandLine::Mode::Batch ? convertInBatch(line) : openTheWindow();
}
