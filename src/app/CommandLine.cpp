#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <utility>

namespace tallowmere::app {

namespace {

using Switch = std::uint8_t ConversionOptions::*;

constexpr std::array<std::pair<std::string_view, Switch>, 5> Corrections{{
    {"--remove-ordinals", &ConversionOptions::RemoveOrdinals},
    {"--correct-hash-field", &ConversionOptions::CorrectHashField},
    {"--remove-guids", &ConversionOptions::RemoveGuids},
    {"--correct-window-font", &ConversionOptions::CorrectWindowFont},
    {"--correct-at", &ConversionOptions::CorrectAT},
}};

CommandLine usageError(std::string problem) {
  CommandLine line;
  line.mode = CommandLine::Mode::UsageError;
  line.problem = std::move(problem);
  return line;
}

CommandLine windowWith(std::vector<std::string> files) {
  CommandLine line;
  line.files = std::move(files);
  return line;
}

bool setCorrection(std::string_view argument, ConversionOptions& options) {
  if (argument == "--all") {
    for (const auto& [name, option] : Corrections) options.*option = 1;
    return true;
  }
  for (const auto& [name, option] : Corrections) {
    if (argument == name) {
      options.*option = 1;
      return true;
    }
  }
  return false;
}

// What is wrong with the files a batch command line names, or nothing.
std::optional<std::string> filesProblem(const CommandLine& line, bool namesInputOrOutput) {
  if (line.output == "-" && line.report == "-") {
    return "standard output (-) takes --output or --report, not both";
  }
  if (line.outputDir.empty()) {
    if (line.files.empty()) return std::nullopt;
    return "unknown option " + line.files.front() + " (files to convert need --output-dir)";
  }
  if (namesInputOrOutput) return "--input and --output do not go with --output-dir";
  if (line.files.empty()) return "--output-dir needs the files to convert";
  if (std::find(line.files.begin(), line.files.end(), "-") != line.files.end()) {
    return "standard input (-) goes with --input, not --output-dir";
  }
  return std::nullopt;
}

// The option's file name in line, or null when argument names no file.
std::string* fileOption(std::string_view argument, CommandLine& line) {
  if (argument == "--input") return &line.input;
  if (argument == "--output") return &line.output;
  if (argument == "--report") return &line.report;
  if (argument == "--output-dir") return &line.outputDir;
  return nullptr;
}

}  // namespace

CommandLine CommandLine::parse(std::span<const std::string_view> arguments) {
  CommandLine line;
  if (arguments.empty()) return line;
  for (const std::string_view argument : arguments) {
    if (argument == "--help" || argument == "-h") line.mode = Mode::Help;
    if (argument == "--version" && line.mode != Mode::Help) line.mode = Mode::Version;
  }
  if (line.mode != Mode::Interactive) return line;
  bool batch = false;
  std::set<const std::string*> given;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "--batch") {
      batch = true;
    } else if (argument == "--quiet") {
      line.quiet = true;
    } else if (argument == "--check") {
      line.check = true;
    } else if (std::string* file = fileOption(argument, line)) {
      if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
        return usageError(std::string(argument) + " needs a file name");
      }
      // A second name would silently take the first one's place.
      if (!given.insert(file).second) return usageError(std::string(argument) + " is given twice");
      *file = arguments[++i];
    } else if (!argument.starts_with("--")) {
      line.files.emplace_back(argument);
    } else if (!setCorrection(argument, line.options)) {
      return usageError("unknown option " + std::string(argument));
    }
  }
  if (!batch) {
    // What Windows runs for a file dropped on the program or opened with it.
    if (line.files.size() == arguments.size()) return windowWith(std::move(line.files));
    return usageError("options need --batch (without arguments the window opens)");
  }
  const bool namesInputOrOutput = given.contains(&line.input) || given.contains(&line.output);
  if (auto problem = filesProblem(line, namesInputOrOutput)) return usageError(*problem);
  line.mode = Mode::Batch;
  return line;
}

std::string_view CommandLine::usage() {
  // Kept in doc/help.txt, which the Windows README.txt is made from as well.
  return
#include "app/Help.inc"
      ;
}

}  // namespace tallowmere::app
