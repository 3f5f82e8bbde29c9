#include "model/BinaryRun.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "support/TempDir.h"

namespace tallowmere::model {

namespace {

// A program that does not know --help may start its terminal front end instead.
constexpr unsigned HelpTimeLimitSeconds = 10;

[[noreturn]] void becomeBinary(const std::filesystem::path& binary,
                               const std::filesystem::path& folder,
                               const std::vector<std::string>& args, unsigned timeLimitSeconds) {
  setenv("XDG_CONFIG_HOME", (folder / ".config").c_str(), 1);
  const int input = open("/dev/null", O_RDONLY);
  const int output = open((folder / ".stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int errors = open((folder / ".stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (input < 0 || output < 0 || errors < 0 || chdir(folder.c_str()) != 0) _exit(127);
  dup2(input, STDIN_FILENO);
  dup2(output, STDOUT_FILENO);
  dup2(errors, STDERR_FILENO);
  std::vector<char*> argv{const_cast<char*>(binary.c_str())};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  alarm(timeLimitSeconds);  // survives the exec and ends a run that hangs
  execv(binary.c_str(), argv.data());
  _exit(127);
}

}  // namespace

BinaryOutcome runBinary(const std::filesystem::path& binary, const std::filesystem::path& folder,
                        const std::vector<std::string>& args, unsigned timeLimitSeconds) {
  std::filesystem::create_directories(folder / ".config");
  const pid_t child = fork();
  if (child == 0) becomeBinary(binary, folder, args, timeLimitSeconds);
  BinaryOutcome outcome;
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) return outcome;
  if (WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
  outcome.output = testing::readFile(folder / ".stdout");
  outcome.errors = testing::readFile(folder / ".stderr");
  std::filesystem::remove(folder / ".stdout");
  std::filesystem::remove(folder / ".stderr");
  return outcome;
}

std::filesystem::path binaryUnderTest() {
  const char* path = std::getenv("TALLOWMERE_BINARY");
  return path == nullptr ? std::filesystem::path{} : std::filesystem::path(path);
}

std::string whyNoBatchConverter() {
  const std::filesystem::path binary = binaryUnderTest();
  if (binary.empty()) return "TALLOWMERE_BINARY is not set";
  if (!std::filesystem::exists(binary)) return binary.string() + " has not been built";
  testing::TempDir folder;
  const BinaryOutcome help = runBinary(binary, folder.path(), {"--help"}, HelpTimeLimitSeconds);
  if ((help.output + help.errors).find("--batch") == std::string::npos)
    return binary.string() + " does not offer --batch yet";
  return "";
}

}  // namespace tallowmere::model
