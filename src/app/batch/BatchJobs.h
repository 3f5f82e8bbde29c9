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

// Why the conversions of an output folder cannot run, or nothing: the folder is missing or
// no folder, a file is named twice, or an output would be one of the inputs. The inputs
// are never to be touched, so nothing runs then.
std::optional<std::string> outputDirProblem(const std::vector<BatchJob>& jobs,
                                            const std::string& outputDir);

}  // namespace tallowmere::app
