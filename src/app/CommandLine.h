#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/ConversionOptions.h"

namespace tallowmere::app {

// What the command line asks for. Without arguments, or with only files, the program is
// the interactive one (the files are its imports); --batch converts without any window.
struct CommandLine {
  enum class Mode { Interactive, Batch, Help, Version, UsageError };

  Mode mode = Mode::Interactive;
  ConversionOptions options;
  std::string input = "Import.txa";
  std::string output = "Export.txa";
  // --output-dir: each of files is converted into this folder under its own name; empty:
  // input is converted into output. "-" as input or output stands for standard input or
  // output.
  std::string outputDir;
  // --output-dir's files, or the window's imports.
  std::vector<std::string> files;
  std::string report;   // --report: where the conversion report goes as JSON; empty: nowhere
  bool quiet = false;   // --quiet: messages and warnings only
  bool check = false;   // --check: convert in memory only; the status says whether it changes
  std::string problem;  // for UsageError: what was wrong, in one line

  static CommandLine parse(std::span<const std::string_view> arguments);
  static std::string_view usage();
};

}  // namespace tallowmere::app
