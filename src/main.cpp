#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "app/batch/BatchConverter.h"
#ifdef _WIN32
#include "platform/win32/ConsoleBreak.h"
#include "platform/win32/WindowsConsole.h"
#include "platform/win32/WindowsPlatform.h"
#include "platform/win32ui/WindowsFrontEnd.h"
#else
#include "platform/posix/EndingSignals.h"
#include "platform/posix/PosixConsole.h"
#include "platform/posix/PosixPlatform.h"
#include "platform/posix/StandardDescriptors.h"
#include "platform/terminal/TerminalFrontEnd.h"
#endif

namespace {

using tallowmere::app::CommandLine;

#ifdef _WIN32
using SystemConsole = tallowmere::platform::WindowsConsole;

// The arguments are asked of Windows in UTF-16: argv holds them in the ANSI code page.
std::optional<std::vector<std::string>> startPlatform(int, char**) {
  tallowmere::platform::installWindowsServices();
  tallowmere::platform::removeTemporariesOnConsoleBreak();
  return tallowmere::platform::commandLineArguments();
}

int openTheWindow(const std::vector<std::string>& files) {
  tallowmere::platform::WindowsFrontEnd windows;
  {
    tallowmere::runtime::ScopedFrontEnd installed(windows);
    tallowmere::app::RunProgram([&] { tallowmere::app::MainWithImports(files); });
  }
  windows.shutdown();
  return 0;
}
#else
using SystemConsole = tallowmere::platform::PosixConsole;

// The standard descriptors come first: any file opened before would take one of them.
std::optional<std::vector<std::string>> startPlatform(int argc, char** argv) {
  if (!tallowmere::platform::openClosedStandardDescriptors()) return std::nullopt;
  tallowmere::platform::installPosixServices();
  tallowmere::platform::EndingSignals::install();
  return std::vector<std::string>(argv + 1, argv + argc);
}

int openTheWindow(const std::vector<std::string>& files) {
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
    tallowmere::app::RunProgram([&] { tallowmere::app::MainWithImports(files); });
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
  if (line.mode == CommandLine::Mode::Interactive) return openTheWindow(line.files);
  SystemConsole console(stderr);
  return tallowmere::app::convertInBatch(line, console);
}
