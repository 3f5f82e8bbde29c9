#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "robustness/FileFingerprint.h"
#include "support/BinaryRun.h"
#include "support/TempDir.h"
#include "support/TestText.h"

namespace tallowmere::testing {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A child started with a signal ignored would keep it ignored across exec; the cases need
// the default action, whatever this test program inherited.
class DefaultAction {
 public:
  explicit DefaultAction(int signalNumber)
      : signal_(signalNumber), previous_(::signal(signalNumber, SIG_DFL)) {}
  ~DefaultAction() { ::signal(signal_, previous_); }
  DefaultAction(const DefaultAction&) = delete;
  DefaultAction& operator=(const DefaultAction&) = delete;

 private:
  int signal_;
  sighandler_t previous_;
};

// The built program running as this process's child, found through /proc because
// runProgram keeps the child's id to itself. Before its exec the child still carries this
// test program's name, so finding it by name means it is the program that runs.
std::optional<pid_t> runningProgram() {
  const std::string name = programPath().filename().string().substr(0, 15);
  for (const auto& entry : fs::directory_iterator("/proc")) {
    std::ifstream in(entry.path() / "stat");
    std::string stat;
    if (!std::getline(in, stat)) continue;
    const std::size_t open = stat.find('('), close = stat.rfind(')');
    if (open == std::string::npos || close == std::string::npos) continue;
    std::istringstream rest(stat.substr(close + 1));
    char state = 0;
    pid_t parent = 0;
    rest >> state >> parent;
    if (parent == ::getpid() && stat.substr(open + 1, close - open - 1) == name) {
      return static_cast<pid_t>(std::stol(stat.substr(0, open)));
    }
  }
  return std::nullopt;
}

class Signalled : public ::testing::TestWithParam<int> {
 protected:
  // About 100 MB, which even a fast build takes more than a second to convert: the signal
  // goes out once the first megabyte is read, and must find the program still at work on
  // a busy machine as well.
  void SetUp() override {
    const std::string clauses =
        crlf({"  BUTTON('X'),AT(10,10, |", "      40,14),USE(?B) #FIELD(A, |", " B)"});
    std::string block;
    for (int i = 0; i < 10000; ++i) block += clauses;
    std::ofstream out(folder / "Import.txa", std::ios::binary);
    for (int i = 0; i < 160; ++i) out << block;
  }

  // Waits until the program has read a good part of its input, so the signal lands in the
  // middle of the conversion; nothing when that does not happen in time.
  static std::optional<pid_t> programAtWork(Clock::time_point deadline) {
    constexpr long WellUnderway = 1L << 20;
    while (Clock::now() < deadline) {
      if (const std::optional<pid_t> child = runningProgram();
          child && bytesRead(*child).value_or(0) >= WellUnderway) {
        return child;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return std::nullopt;
  }

  TempDir folder;
};

TEST_P(Signalled, ConversionEndsByTheSignalAndLeavesTheInputAlone) {
  const int signalNumber = GetParam();
  DefaultAction defaultAction(signalNumber);
  const FileFingerprint before = fingerprint(folder / "Import.txa");
  std::future<RunResult> running = std::async(std::launch::async, [this] {
    return runProgram(folder.path(), {"--batch", "--all"});
  });

  const std::optional<pid_t> child = programAtWork(Clock::now() + std::chrono::seconds(60));
  ASSERT_TRUE(child.has_value()) << "the program never got to work";
  ASSERT_EQ(::kill(*child, signalNumber), 0);
  if (running.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
    ::kill(*child, SIGKILL);
    FAIL() << "the program outlived the signal";
  }
  const RunResult run = running.get();
  EXPECT_EQ(run.status, 128 + signalNumber) << run.err;
  EXPECT_EQ(fingerprint(folder / "Import.txa"), before);
  // The closing steps did not run: no settings were written.
  EXPECT_FALSE(fs::exists(folder / "config" / "Tallowmere.INI"));
}

INSTANTIATE_TEST_SUITE_P(InterruptAndTerminate, Signalled, ::testing::Values(SIGINT, SIGTERM),
                         [](const auto& info) {
                           return std::string(info.param == SIGINT ? "SIGINT" : "SIGTERM");
                         });

}  // namespace
}  // namespace tallowmere::testing
