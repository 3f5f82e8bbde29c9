#include "support/BinaryRun.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string_view>

namespace tallowmere::testing {

namespace {

constexpr unsigned GraceSeconds = 30;

std::string slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Everything the child needs is made before the fork. A test program has threads, and one
// of them may hold the allocator's lock at the moment of the fork; a child that then
// allocated before its exec would wait for that lock for ever, before its time limit was
// even set. So between fork and exec the child makes system calls only.
class ChildLaunch {
 public:
  ChildLaunch(const std::filesystem::path& folder, const std::vector<std::string>& arguments,
              const std::filesystem::path& outPath, const std::filesystem::path& errPath,
              const std::filesystem::path& inPath)
      : folder_(folder.string()),
        in_(inPath.string()),
        out_(outPath.string()),
        err_(errPath.string()),
        program_(programPath().string()) {
    arguments_.push_back(program_);
    arguments_.insert(arguments_.end(), arguments.begin(), arguments.end());
    for (char** entry = environ; *entry != nullptr; ++entry) {
      const std::string_view setting(*entry);
      if (!setting.starts_with("TERM=") && !setting.starts_with("XDG_CONFIG_HOME=")) {
        environment_.emplace_back(setting);
      }
    }
    environment_.push_back("XDG_CONFIG_HOME=" + (folder / "config").string());
    argv_ = pointers(arguments_);
    envp_ = pointers(environment_);
  }
  ChildLaunch(const ChildLaunch&) = delete;
  ChildLaunch& operator=(const ChildLaunch&) = delete;

  [[noreturn]] void execute(unsigned timeLimitSeconds, int closedDescriptor) {
    ::alarm(timeLimitSeconds);  // survives the exec and ends a run that hangs
    const int in = ::open(in_.c_str(), O_RDONLY);
    const int out = ::open(out_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(err_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || ::chdir(folder_.c_str()) != 0) ::_exit(127);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    if (closedDescriptor >= 0) ::close(closedDescriptor);
    ::execve(program_.c_str(), argv_.data(), envp_.data());
    ::_exit(127);
  }

 private:
  static std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> list;
    list.reserve(texts.size() + 1);
    for (std::string& text : texts) list.push_back(text.data());
    list.push_back(nullptr);
    return list;
  }

  std::string folder_, in_, out_, err_, program_;
  std::vector<std::string> arguments_, environment_;
  std::vector<char*> argv_, envp_;
};

// What a run that outlived its time limit was doing when it was stopped, so the test that
// waited for it can say so instead of waiting on.
std::string stateOf(pid_t process) {
  std::ifstream in("/proc/" + std::to_string(process) + "/stat");
  std::string stat;
  std::getline(in, stat);
  const std::size_t nameEnd = stat.rfind(')');
  const std::string nameAndState =
      nameEnd == std::string::npos ? stat : stat.substr(0, nameEnd + 3);
  return "\n(the test runner killed it, still running " + std::to_string(GraceSeconds) +
         " s after its time limit: " + nameAndState + ")";
}

// Waits for the child, killing it should it outlive its own alarm: a run stopped or caught
// in its alarm's handler would otherwise hold the test until the suite's timeout, with
// nothing said of why.
int waitForChild(pid_t child, unsigned timeLimitSeconds, std::string& why) {
  const int exited = static_cast<int>(::syscall(SYS_pidfd_open, child, 0));
  pollfd watch{exited, POLLIN, 0};
  const int limit = static_cast<int>(timeLimitSeconds + GraceSeconds) * 1000;
  if (exited >= 0 && ::poll(&watch, 1, limit) == 0) {
    why = stateOf(child);
    ::kill(child, SIGKILL);
  }
  if (exited >= 0) ::close(exited);
  int raw = 0;
  while (::waitpid(child, &raw, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
}

RunResult run(const std::filesystem::path& folder, const std::vector<std::string>& arguments,
              unsigned timeLimitSeconds, int closedDescriptor,
              const std::filesystem::path& inPath = "/dev/null") {
  // Captured output goes beside the folder, so the program's working folder holds only
  // what the program itself leaves there.
  const std::filesystem::path outPath = folder.string() + ".out";
  const std::filesystem::path errPath = folder.string() + ".err";
  ChildLaunch launch(folder, arguments, outPath, errPath, inPath);
  const pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) launch.execute(timeLimitSeconds, closedDescriptor);
  std::string killedBecause;
  RunResult result;
  result.status = waitForChild(child, timeLimitSeconds, killedBecause);
  result.out = slurp(outPath);
  result.err = slurp(errPath) + killedBecause;
  std::filesystem::remove(outPath);
  std::filesystem::remove(errPath);
  return result;
}

// One of the counters the kernel keeps of a process's input and output; nothing once the
// process is gone.
std::optional<long> ioCounter(pid_t process, std::string_view name) {
  std::ifstream in("/proc/" + std::to_string(process) + "/io");
  std::string key;
  long value = 0;
  while (in >> key >> value) {
    if (key == name) return value;
  }
  return std::nullopt;
}

}  // namespace

std::filesystem::path programPath() {
  const char* binary = std::getenv("TALLOWMERE_BINARY");
  if (binary == nullptr) throw std::runtime_error("TALLOWMERE_BINARY is not set");
  return binary;
}

std::optional<long> bytesRead(pid_t process) {
  return ioCounter(process, "rchar:");
}

std::optional<long> bytesWritten(pid_t process) {
  return ioCounter(process, "wchar:");
}

bool waitsForAKey(pid_t process) {
  // The kernel shows the call a sleeping process is in as its number and arguments in hex;
  // a running one shows "running".
  std::ifstream in("/proc/" + std::to_string(process) + "/syscall");
  long number = -1;
  std::string descriptor;
  return (in >> number >> descriptor) && number == SYS_read && descriptor == "0x0";
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
