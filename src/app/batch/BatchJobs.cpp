#include "app/batch/BatchJobs.h"

#include <filesystem>
#include <set>
#include <system_error>

namespace tallowmere::app {

namespace {

namespace fs = std::filesystem;

// Two names of one file compare equal, however they are spelt (links included).
fs::path identity(const std::string& name) {
  std::error_code error;
  const fs::path path = fs::weakly_canonical(fs::absolute(name, error), error);
  return error ? fs::path(name) : path;
}

}  // namespace

std::vector<BatchJob> batchJobs(const CommandLine& line) {
  if (line.outputDir.empty()) return {{line.input, line.output}};
  std::vector<BatchJob> jobs;
  for (const std::string& file : line.files) {
    jobs.push_back({file, (fs::path(line.outputDir) / fs::path(file).filename()).string()});
  }
  return jobs;
}

std::optional<std::string> outputDirProblem(const std::vector<BatchJob>& jobs,
                                            const std::string& outputDir) {
  std::error_code error;
  if (!fs::is_directory(outputDir, error)) {
    return "the output folder " + outputDir +
           (fs::exists(outputDir, error) ? " is not a folder" : " does not exist");
  }
  std::set<fs::path> inputs;
  for (const BatchJob& job : jobs) inputs.insert(identity(job.input));
  std::set<fs::path> outputs;
  for (const BatchJob& job : jobs) {
    if (inputs.contains(identity(job.output))) {
      return "the output " + job.output + " would be one of the files to convert";
    }
    if (!outputs.insert(identity(job.output)).second) {
      return "two files would be converted into " + job.output;
    }
  }
  return std::nullopt;
}

}  // namespace tallowmere::app
