#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

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

  // Waits until the program has read (or written) a good part of its input (or output), so
  // the signal lands in the middle of the import (or the export); nothing when that does not
  // happen in time.
  static std::optional<pid_t> programAtWork(std::optional<long> (*counter)(pid_t),
                                            Clock::time_point deadline) {
    constexpr long WellUnderway = 1L << 20;
    while (Clock::now() < deadline) {
      if (const std::optional<pid_t> child = runningProgram();
          child && counter(*child).value_or(0) >= WellUnderway) {
        return child;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return std::nullopt;
  }

  void signalWhen(std::optional<long> (*counter)(pid_t), const std::vector<std::string>& arguments,
                  const std::string& when) {
    const int signalNumber = GetParam();
    const FileFingerprint before = fingerprint(folder / "Import.txa");
    std::future<RunResult> running = std::async(std::launch::async, [this, arguments] {
      return runProgram(folder.path(), arguments);
    });
    const std::optional<pid_t> child =
        programAtWork(counter, Clock::now() + std::chrono::seconds(90));
    ASSERT_TRUE(child.has_value()) << when << ": the program never got there";
    ASSERT_EQ(::kill(*child, signalNumber), 0);
    if (running.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
      ::kill(*child, SIGKILL);
      FAIL() << when << ": the program outlived the signal";
    }
    const RunResult run = running.get();
    EXPECT_EQ(run.status, 128 + signalNumber) << when << ": " << run.err;
    EXPECT_EQ(fingerprint(folder / "Import.txa"), before) << when;
    // The closing steps did not run: no settings were written. Nor is the temporary the
    // export wrote to left behind.
    EXPECT_FALSE(fs::exists(folder / "config" / "Tallowmere.INI")) << when;
    EXPECT_FALSE(fs::exists(folder / "Export.txa.partial")) << when;
  }

  TempDir folder;
};

TEST_P(Signalled, ConversionEndsByTheSignalLeavingTheInputAloneAndNoTemporary) {
  DefaultAction defaultAction(GetParam());
  signalWhen(bytesRead, {"--batch", "--all"}, "during the import");
  // A third of the input, without corrections: the export comes soon, also in a slow build on
  // a busy machine, and still lasts long enough for the signal to find it at work.
  fs::resize_file(folder / "Import.txa", fs::file_size(folder / "Import.txa") / 3);
  signalWhen(bytesWritten, {"--batch"}, "during the export");
}

// A reader that has seen enough closes the pipe: the program ends by the broken pipe as
// programs do, quietly, and takes its copy of the output with it.
TEST(BrokenPipe, EndsTheConversionQuietlyLeavingNoTemporary) {
  DefaultAction defaultAction(SIGPIPE);
  TempDir folder;
  const std::string line = crlf({"  BUTTON('X'),AT(10,10,40,14),USE(?B)"});
  std::string input;
  while (input.size() < (1u << 20)) input += line;
  writeFile(folder / "Import.txa", input);
  fs::create_directory(folder / "tmp");
  const std::string command =
      "cd '" + folder.path().string() +
      "' && XDG_CONFIG_HOME=config TMPDIR=tmp bash -c 'set -o pipefail; '\\''" +
      programPath().string() +
      "'\\'' --batch --all --quiet --input - --output - < Import.txa 2> err "
      "| head -c 100 > /dev/null'";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status)) << command;
  EXPECT_EQ(WEXITSTATUS(status), 128 + SIGPIPE) << command;
  EXPECT_EQ(readFile(folder / "err"), "");
  EXPECT_TRUE(fs::is_empty(folder / "tmp"));
}

// A conversion killed at any moment leaves an output that is whole or empty: the lines
// that would make it look whole while some are missing are never seen under its name.
class Killed : public ::testing::Test {
 protected:
  // About 8 MB, converted once without interruption for the output every killed run is
  // held to.
  void SetUp() override {
    const std::string clauses = crlf({"  BUTTON('X'),AT(10,10, |", "      40,14),USE(?B)",
                                      "  PROMPT('A long prompt text for the screen'),#ORDINAL(3)"});
    std::string block;
    for (int i = 0; i < 10000; ++i) block += clauses;
    std::ofstream out(folder / "Import.txa", std::ios::binary);
    for (int i = 0; i < 8; ++i) out << block;
    out.close();
    inputSize = static_cast<long>(fs::file_size(folder / "Import.txa"));
    const RunResult whole = runProgram(folder.path(), {"--batch", "--all"});
    ASSERT_EQ(whole.status, 0) << whole.err;
    complete = fingerprint(output());
  }

  // Runs the conversion and kills it once the counter of the child's input or output
  // reaches bytes; the program may also end first.
  void killWhen(std::optional<long> (*counter)(pid_t), long bytes) {
    std::future<RunResult> running = std::async(std::launch::async, [this] {
      return runProgram(folder.path(), {"--batch", "--all"});
    });
    // The child is looked for in all of /proc only until found: scanning it every time
    // took a processor of its own, which a busy machine's conversion then lacked.
    std::optional<pid_t> child;
    while (running.wait_for(std::chrono::microseconds(200)) != std::future_status::ready) {
      if (!child) child = runningProgram();
      if (child && counter(*child).value_or(0) >= bytes) {
        ::kill(*child, SIGKILL);
        break;
      }
    }
    const RunResult run = running.get();
    EXPECT_TRUE(run.status == 0 || run.status == 128 + SIGKILL) << run.err;
  }

  fs::path output() const { return folder / "Export.txa"; }

  TempDir folder;
  long inputSize = 0;
  FileFingerprint complete;
};

TEST_F(Killed, AnywhereInTheConversionTheOutputIsEmptyOrWhole) {
  const FileFingerprint input = fingerprint(folder / "Import.txa");
  const auto expectEmptyOrWhole = [&](const std::string& when) {
    const FileFingerprint left = fingerprint(output());
    EXPECT_TRUE(!left.exists || left.size == 0 || left == complete)
        << when << ": " << left << ", a whole one is " << complete;
    EXPECT_EQ(fingerprint(folder / "Import.txa"), input) << when;
  };
  for (const int percent : {10, 60, 99}) {
    killWhen(bytesRead, inputSize * percent / 100);
    expectEmptyOrWhole("killed having read " + std::to_string(percent) + "% of the input");
  }
  for (const int percent : {0, 5, 20, 35, 50, 65, 80, 95, 100}) {
    // During the export nearly all the bytes written are lines of the output.
    killWhen(bytesWritten, static_cast<long>(complete.size) * percent / 100);
    expectEmptyOrWhole("killed having written " + std::to_string(percent) + "% of the output");
  }
  // Whatever a killed run left beside the output, the next run clears away.
  const RunResult next = runProgram(folder.path(), {"--batch", "--all"});
  ASSERT_EQ(next.status, 0) << next.err;
  EXPECT_EQ(fingerprint(output()), complete);
  EXPECT_FALSE(fs::exists(folder / "Export.txa.partial"));
}

INSTANTIATE_TEST_SUITE_P(InterruptHangUpAndTerminate, Signalled,
                         ::testing::Values(SIGINT, SIGHUP, SIGTERM),
                         [](const auto& info) { return std::string(sigabbrev_np(info.param)); });

}  // namespace
}  // namespace tallowmere::testing
