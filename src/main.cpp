#include <algorithm>
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
#include "platform/win32ui/HelpBox.h"
#include "platform/win32ui/WindowsFrontEnd.h"
#include "platform/win32ui/WindowsMessageBox.h"
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

// The arguments are asked of Windows in UTF-16: argv holds them in the ANSI code page. "/?"
// asks for the help, as it does of every Windows program.
std::optional<std::vector<std::string>> startPlatform(int, char**) {
  tallowmere::platform::installWindowsServices();
  tallowmere::platform::removeTemporariesOnConsoleBreak();
  std::vector<std::string> arguments = tallowmere::platform::commandLineArguments();
  std::replace(arguments.begin(), arguments.end(), std::string("/?"), std::string("--help"));
  return arguments;
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

#ifdef TALLOWMERE_WINDOW_PROGRAM
// The window program has no console to print on: what it answers its command line, it shows.
void showHelp(std::string_view help) {
  tallowmere::platform::showHelpBox(tallowmere::app::MainWindowDescription().caption, help);
}

void answer(std::string_view text, bool problem) {
  tallowmere::platform::showCommandLineAnswer(tallowmere::app::MainWindowDescription().caption,
                                              text, problem);
}
#else
void answer(std::string_view text, bool problem) {
  std::fwrite(text.data(), 1, text.size(), problem ? stderr : stdout);
}

void showHelp(std::string_view help) {
  answer(help, false);
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
      showHelp(CommandLine::usage());
      return 0;
    case CommandLine::Mode::Version:
      answer("tallowmere " TALLOWMERE_VERSION "\n", false);
      return 0;
    case CommandLine::Mode::UsageError:
      answer("tallowmere: " + line.problem + " (see tallowmere --help)\n", true);
      return 2;
    case CommandLine::Mode::Batch:
    case CommandLine::Mode::Interactive:
      break;
  }
  if (line.mode == CommandLine::Mode::Interactive) return openTheWindow(line.files);
  SystemConsole console(stderr);
  return tallowmere::app::convertInBatch(line, console);
}
