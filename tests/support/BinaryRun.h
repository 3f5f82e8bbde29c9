#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tallowmere::testing {

// The outcome of running the built program once.
struct RunResult {
  int status = -1;  // exit status, or 128 + signal number
  std::string out;
  std::string err;
};

// Runs the program the build produced (TALLOWMERE_BINARY) with arguments in folder, with
// XDG_CONFIG_HOME pointed at folder/config so no test touches the real home, and standard
// input closed. A run that hangs is killed after timeLimitSeconds.
inline constexpr unsigned DefaultTimeLimitSeconds = 120;
RunResult runProgram(const std::filesystem::path& folder, const std::vector<std::string>& arguments,
                     unsigned timeLimitSeconds = DefaultTimeLimitSeconds);
// As runProgram, with standard input read from the file standardInput.
RunResult runProgramReading(const std::filesystem::path& standardInput,
                            const std::filesystem::path& folder,
                            const std::vector<std::string>& arguments);
// As runProgram, but the program starts with one of the standard descriptors (0, 1, 2)
// closed; what it writes there is lost.
RunResult runProgramWithout(int descriptor, const std::filesystem::path& folder,
                            const std::vector<std::string>& arguments);

std::filesystem::path programPath();

// Bytes a running process has read through system calls so far (rchar in /proc/<pid>/io);
// nothing once the process is gone.
std::optional<long> bytesRead(pid_t process);
// Bytes it has written so far (wchar).
std::optional<long> bytesWritten(pid_t process);
// Whether the process is asleep reading its standard input: a read without a time limit,
// as a window waiting for a key makes (a wait with one polls first).
bool waitsForAKey(pid_t process);

}  // namespace tallowmere::testing
