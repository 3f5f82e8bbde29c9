#include "app/batch/BatchJobs.h"

#include <filesystem>
#include <map>
#include <system_error>

#include "app/FilePaths.h"
#include "platform/common/FileIdentity.h"

namespace tallowmere::app {

namespace {

namespace fs = std::filesystem;
using platform::FileIdentity;
using platform::fileIdentity;

// Why folder, as shown, cannot take outputs; nothing when it can.
std::optional<std::string> folderProblem(const fs::path& folder, const std::string& shown) {
  std::error_code error;
  if (folder.empty() || fs::is_directory(folder, error)) return std::nullopt;
  return shown + (fs::exists(folder, error) ? " is not a folder" : " does not exist");
}

std::optional<std::string> outputFolderProblem(const CommandLine& line) {
  if (!line.outputDir.empty()) {
    return folderProblem(pathOf(line.outputDir), "the output folder " + line.outputDir);
  }
  if (line.check || line.output == "-") return std::nullopt;
  const fs::path folder = pathOf(line.output).parent_path();
  return folderProblem(folder, "the folder " + utf8Of(folder) + " of the output " + line.output);
}

// A named file's identity; nothing for a standard stream or a name that leads nowhere.
std::optional<FileIdentity> identityOf(const std::string& name) {
  return name == "-" ? std::nullopt : fileIdentity(name);
}

}  // namespace

std::vector<BatchJob> batchJobs(const CommandLine& line) {
  if (line.outputDir.empty()) return {{line.input, line.output}};
  std::vector<BatchJob> jobs;
  for (const std::string& file : line.files) {
    jobs.push_back({file, utf8Of(pathOf(line.outputDir) / pathOf(file).filename())});
  }
  return jobs;
}

std::optional<std::string> jobsProblem(const std::vector<BatchJob>& jobs, const CommandLine& line) {
  if (auto problem = outputFolderProblem(line)) return problem;
  std::map<FileIdentity, std::string> inputs;
  for (const BatchJob& job : jobs) {
    const std::optional<FileIdentity> identity = identityOf(job.input);
    if (!identity) continue;
    if (const auto [earlier, added] = inputs.emplace(*identity, job.input); !added) {
      return earlier->second + " and " + job.input + " are the same file";
    }
  }
  std::map<FileIdentity, std::string> outputs;
  for (const BatchJob& job : jobs) {
    const std::optional<FileIdentity> identity = identityOf(job.output);
    if (!identity) continue;
    // A single conversion may rewrite its input in place: it is read whole first.
    if (!line.outputDir.empty() && inputs.contains(*identity)) {
      return "the output " + job.output + " would be one of the files to convert";
    }
    if (!outputs.emplace(*identity, job.output).second) {
      return "two files would be converted into " + job.output;
    }
  }
  return std::nullopt;
}

std::optional<std::string> reportProblem(const std::vector<BatchJob>& jobs,
                                         const std::string& report) {
  if (report.empty()) return std::nullopt;
  const std::optional<FileIdentity> identity = identityOf(report);
  if (!identity) return std::nullopt;
  for (const BatchJob& job : jobs) {
    if (identityOf(job.input) == identity) {
      return "the report " + report + " would replace the file to convert " + job.input;
    }
    if (identityOf(job.output) == identity) {
      return "the report " + report + " would replace the output " + job.output;
    }
  }
  return std::nullopt;
}

}  // namespace tallowmere::app
