#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/CommandLine.h"

namespace tallowmere::app {

// One conversion of a batch run.
struct BatchJob {
  std::string input;   // as given; "-" stands for standard input
  std::string output;  // as given or made; "-" stands for standard output
};

// The conversions a batch command line asks for, in order: its input into its output, or
// each of its files into the output folder under the file's own name.
std::vector<BatchJob> batchJobs(const CommandLine& line);

// Why the conversions cannot run, or nothing: the outputs' folder is missing or no folder
// (not asked of --check with --output, which writes nothing there), a file is named twice,
// two outputs are one file, or an output is one of the files of an output folder. Files
// are told apart as the system tells them apart, not by their names. The inputs are never
// to be touched, so nothing runs then.
std::optional<std::string> jobsProblem(const std::vector<BatchJob>& jobs, const CommandLine& line);

// Why the report would replace one of the run's inputs or outputs, or nothing.
std::optional<std::string> reportProblem(const std::vector<BatchJob>& jobs,
                                         const std::string& report);

}  // namespace tallowmere::app
