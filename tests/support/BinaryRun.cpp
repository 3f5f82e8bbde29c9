#include "support/BinaryRun.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tallowmere::testing {

namespace {

std::string slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

[[noreturn]] void execInChild(const std::filesystem::path& folder,
                              const std::vector<std::string>& arguments,
                              const std::filesystem::path& outPath,
                              const std::filesystem::path& errPath, unsigned timeLimitSeconds,
                              int closedDescriptor, const std::filesystem::path& inPath) {
  const int in = ::open(inPath.c_str(), O_RDONLY);
  const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (in < 0 || out < 0 || err < 0 || ::chdir(folder.c_str()) != 0) ::_exit(127);
  ::dup2(in, 0);
  ::dup2(out, 1);
  ::dup2(err, 2);
  if (closedDescriptor >= 0) ::close(closedDescriptor);
  ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  ::unsetenv("TERM");
  const std::string program = programPath().string();
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  ::alarm(timeLimitSeconds);  // survives the exec and ends a run that hangs
  ::execv(program.c_str(), argv.data());
  ::_exit(127);
}

RunResult run(const std::filesystem::path& folder, const std::vector<std::string>& arguments,
              unsigned timeLimitSeconds, int closedDescriptor,
              const std::filesystem::path& inPath = "/dev/null") {
  // Captured output goes beside the folder, so the program's working folder holds only
  // what the program itself leaves there.
  const std::filesystem::path outPath = folder.string() + ".out";
  const std::filesystem::path errPath = folder.string() + ".err";
  const pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    execInChild(folder, arguments, outPath, errPath, timeLimitSeconds, closedDescriptor, inPath);
  }
  int raw = 0;
  ::waitpid(child, &raw, 0);
  RunResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
  result.out = slurp(outPath);
  result.err = slurp(errPath);
  std::filesystem::remove(outPath);
  std::filesystem::remove(errPath);
  return result;
}

}  // namespace

std::filesystem::path programPath() {
  const char* binary = std::getenv("TALLOWMERE_BINARY");
  if (binary == nullptr) throw std::runtime_error("TALLOWMERE_BINARY is not set");
  return binary;
}

std::optional<long> bytesRead(pid_t process) {
  std::ifstream in("/proc/" + std::to_string(process) + "/io");
  std::string key;
  long value = 0;
  while (in >> key >> value) {
    if (key == "rchar:") return value;
  }
  return std::nullopt;
}

RunResult runProgram(const std::filesystem::path& folder, const std::vector<std::string>& arguments,
                     unsigned timeLimitSeconds) {
  return run(folder, arguments, timeLimitSeconds, -1);
}

RunResult runProgramReading(const std::filesystem::path& standardInput,
                            const std::filesystem::path& folder,
                            const std::vector<std::string>& arguments) {
  return run(folder, arguments, DefaultTimeLimitSeconds, -1, standardInput);
}

RunResult runProgramWithout(int descriptor, const std::filesystem::path& folder,
                            const std::vector<std::string>& arguments) {
  return run(folder, arguments, DefaultTimeLimitSeconds, descriptor);
}

}  // namespace tallowmere::testing
