#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "support/BinaryRun.h"
#include "support/FolderListing.h"
#include "support/TempDir.h"
#include "support/TestText.h"

namespace tallowmere::testing {
namespace {

// A clause that joins, and one the data ends in while it is open.
const std::string Joins = crlf({"A", "X,AT(1, |", " 2)"});
const std::string Joined = crlf({"A", "X,AT(1,2)"});
const std::string KeptOpen = crlf({"B,AT(3, |"});

class ManyFilesAndStreams : public ::testing::Test {
 protected:
  ManyFilesAndStreams() {
    std::filesystem::create_directories(folder / "in" / "sub");
    std::filesystem::create_directory(folder / "out");
    writeFile(folder / "in" / "a.txa", Joins);
    writeFile(folder / "in" / "sub" / "b.txa", KeptOpen);
  }

  RunResult batch(std::vector<std::string> arguments) const {
    arguments.insert(arguments.begin(), {"--batch", "--correct-at"});
    return runProgram(folder.path(), arguments);
  }
  RunResult batchReading(const std::string& input, std::vector<std::string> arguments) const {
    const std::filesystem::path standardInput = folder.path().string() + ".in";
    writeFile(standardInput, input);
    arguments.insert(arguments.begin(), {"--batch", "--correct-at"});
    RunResult result = runProgramReading(standardInput, folder.path(), arguments);
    std::filesystem::remove(standardInput);
    return result;
  }
  std::set<std::string> outputs() const { return entriesOf(folder / "out"); }
  void expectInputsUntouched() const {
    EXPECT_EQ(readFile(folder / "in" / "a.txa"), Joins);
    EXPECT_EQ(readFile(folder / "in" / "sub" / "b.txa"), KeptOpen);
  }

  TempDir folder;
};

// Each file is a conversion of its own into the folder under its own name, with its own
// report, and the run ends with the worst of their statuses.
TEST_F(ManyFilesAndStreams, EachFileIsConvertedIntoTheFolderUnderItsOwnName) {
  const RunResult run =
      batch({"--output-dir", "out", "in/a.txa", "in/sub/b.txa", "--report", "report.json"});
  EXPECT_EQ(run.status, 3) << run.err;
  EXPECT_EQ(readFile(folder / "out" / "a.txa"), Joined);
  EXPECT_EQ(readFile(folder / "out" / "b.txa"), KeptOpen);
  EXPECT_NE(run.err.find("in/sub/b.txa:1: ,AT( clause not joined"), std::string::npos) << run.err;
  const auto report = nlohmann::json::parse(readFile(folder / "report.json"));
  ASSERT_EQ(report.size(), 2u);
  EXPECT_EQ(report[0]["input"], "in/a.txa");
  EXPECT_EQ(report[0]["status"], 0);
  // The second conversion starts from an empty line table: it read only its own line.
  EXPECT_EQ(report[1]["output"], "out/b.txa");
  EXPECT_EQ(report[1]["passes"][0]["counts"]["lines_read"], 1);
  EXPECT_EQ(report[1]["status"], 3);
  expectInputsUntouched();

  std::filesystem::remove_all(folder / "out");
  std::filesystem::create_directory(folder / "out");
  EXPECT_EQ(batch({"--check", "--output-dir", "out", "in/sub/b.txa", "in/a.txa"}).status, 4);
  EXPECT_EQ(outputs(), std::set<std::string>{});
}

// Nothing is converted when the folder cannot take the outputs or an output would
// overwrite an input.
TEST_F(ManyFilesAndStreams, BadFoldersAndClashingNamesAreUsageErrors) {
  const std::vector<std::vector<std::string>> bad{
      {"--output-dir", "missing", "in/a.txa"},
      {"--output-dir", "in/a.txa", "in/sub/b.txa"},
      {"--output-dir", "in", "in/a.txa"},
      {"--output-dir", "in/sub", "in/a.txa", "in/sub/b.txa"},
      {"--output-dir", "out", "in/a.txa", "in/../in/a.txa"},
      {"--output-dir", "out"},
      {"--output-dir", "out", "--input", "in/a.txa", "in/sub/b.txa"},
      {"in/a.txa"},
  };
  for (const std::vector<std::string>& arguments : bad) {
    const RunResult run = batch(arguments);
    EXPECT_EQ(run.status, 2) << ::testing::PrintToString(arguments);
    EXPECT_NE(run.err.find("tallowmere: "), std::string::npos) << run.err;
    EXPECT_EQ(outputs(), std::set<std::string>{}) << ::testing::PrintToString(arguments);
    expectInputsUntouched();
  }
  EXPECT_EQ(entriesOf(folder.path()), (std::set<std::string>{"in", "out"}));
}

// Files are told apart as the system tells them apart, not by how they are named: another
// spelling, a hard or symbolic link, a linked folder. A run that would write over one of
// its own files (an input, an output, the report) is refused before anything is read.
TEST_F(ManyFilesAndStreams, ARunThatWouldOverwriteItsOwnFilesIsRefusedBeforeReading) {
  namespace fs = std::filesystem;
  fs::create_hard_link(folder / "in" / "a.txa", folder / "in" / "hard.txa");
  fs::create_symlink("in/a.txa", folder / "alias.txa");
  fs::create_directory_symlink("in", folder / "linked");
  const std::vector<std::vector<std::string>> refused{
      {"--output-dir", "./in", "in/a.txa"},
      {"--output-dir", "linked", "in/a.txa"},
      {"--output-dir", "out", "in/a.txa", "in/hard.txa"},
      {"--output-dir", "out", "alias.txa", "in/a.txa"},
      {"--report", "in/hard.txa", "--output-dir", "out", "in/a.txa"},
      {"--report", "out/./b.txa", "--output-dir", "out", "in/a.txa", "in/sub/b.txa"},
      {"--report", "alias.txa", "--input", "in/a.txa", "--output", "out/x.txa"},
      {"--report", "out/x.txa", "--input", "in/a.txa", "--output", "./out/x.txa"},
      {"--input", "in/a.txa", "--output", "missing/x.txa"},
      {"--input", "in/a.txa", "--output", "in/a.txa/x.txa"},
  };
  for (const std::vector<std::string>& arguments : refused) {
    const RunResult run = batch(arguments);
    EXPECT_EQ(run.status, 2) << ::testing::PrintToString(arguments) << run.err;
    EXPECT_TRUE(run.err.starts_with("tallowmere: ")) << run.err;
    EXPECT_EQ(run.err.find("Importing"), std::string::npos) << run.err;
    EXPECT_EQ(outputs(), std::set<std::string>{}) << ::testing::PrintToString(arguments);
    expectInputsUntouched();
  }
  EXPECT_EQ(entriesOf(folder.path()), (std::set<std::string>{"alias.txa", "in", "linked", "out"}));
  EXPECT_EQ(entriesOf(folder / "in"), (std::set<std::string>{"a.txa", "hard.txa", "sub"}));
}

// "-" reads standard input and writes standard output; everything else goes to standard
// error. Input that holds nothing to convert is refused and leaves nothing behind.
TEST_F(ManyFilesAndStreams, DashStandsForTheStandardStreams) {
  const RunResult piped = batchReading(Joins, {"--input", "-", "--output", "-"});
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(piped.out, Joined);
  EXPECT_NE(piped.err.find("Correcting AT: 1 clause joined"), std::string::npos) << piped.err;

  const RunResult kept = batchReading(KeptOpen, {"--input", "-", "--output", "out/b.txa"});
  EXPECT_EQ(kept.status, 3);
  EXPECT_EQ(readFile(folder / "out" / "b.txa"), KeptOpen);
  EXPECT_EQ(batch({"--input", "in/a.txa", "--output", "-", "--quiet"}).out, Joined);

  // The NUL may lie in any block the input is read in, the first one too.
  const std::string nulFirst = std::string("A\r\n\0B\r\n", 6) + std::string(200000, 'x');
  for (const std::string& refused : {std::string(), std::string("A\r\n\0B\r\n", 6), nulFirst}) {
    std::filesystem::remove_all(folder / "out");
    std::filesystem::create_directory(folder / "out");
    const RunResult run = batchReading(refused, {"--input", "-", "--output", "out/x.txa"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("standard input is"), std::string::npos) << run.err;
    EXPECT_EQ(outputs(), std::set<std::string>{});
  }
}

// The read end of a pipe that holds bytes and whose writer is done, named as a process
// substitution names it (/dev/fd/N); the programs started meanwhile inherit it.
class FilledPipe {
 public:
  explicit FilledPipe(const std::string& bytes) {
    int ends[2];
    if (::pipe(ends) != 0) throw std::runtime_error("no pipe");
    const bool filled =
        ::write(ends[1], bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    ::close(ends[1]);
    if (!filled) throw std::runtime_error("the pipe took less than was written");
    read_ = ends[0];
  }
  ~FilledPipe() { ::close(read_); }
  std::string path() const { return "/dev/fd/" + std::to_string(read_); }

 private:
  int read_;
};

// Writes bytes into the FIFO at path once a reader has opened it, as a process at the other
// end of a named pipe would; gives up after a while, so that a reader that never comes
// cannot hold the test.
std::thread writeWhenRead(const std::filesystem::path& path, const std::string& bytes) {
  return std::thread([path, bytes] {
    sigset_t brokenPipe;
    sigemptyset(&brokenPipe);
    sigaddset(&brokenPipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &brokenPipe, nullptr);
    for (int attempt = 0; attempt < 3000; ++attempt) {
      if (const int fifo = ::open(path.c_str(), O_WRONLY | O_NONBLOCK); fifo >= 0) {
        EXPECT_EQ(::write(fifo, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
        ::close(fifo);
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  });
}

// A FIFO, or standard input from a pipe, given by name is read as "-" is, and "-" as the
// report is standard output.
TEST_F(ManyFilesAndStreams, StreamsGivenByNameAreReadAsDashIs) {
  ASSERT_EQ(::mkfifo((folder / "in" / "fifo").c_str(), 0600), 0);
  std::thread writer = writeWhenRead(folder / "in" / "fifo", Joins);
  const RunResult named = batch({"--input", "in/fifo", "--output", "out/a.txa"});
  writer.join();
  EXPECT_EQ(named.status, 0) << named.err;
  EXPECT_EQ(readFile(folder / "out" / "a.txa"), Joined);

  const FilledPipe piped(KeptOpen);
  const RunResult fromStandardInput = runProgramReading(
      piped.path(), folder.path(),
      {"--batch", "--correct-at", "--quiet", "--input", "/dev/stdin", "--output", "-"});
  EXPECT_EQ(fromStandardInput.status, 3) << fromStandardInput.err;
  EXPECT_EQ(fromStandardInput.err,
            "/dev/stdin:1: ,AT( clause not joined: the data ended with "
            "the clause open\n");
  EXPECT_EQ(fromStandardInput.out, KeptOpen);

  const RunResult reported =
      batch({"--input", "in/a.txa", "--output", "out/a.txa", "--report", "-"});
  EXPECT_EQ(reported.status, 0) << reported.err;
  EXPECT_EQ(nlohmann::json::parse(reported.out)["output"], "out/a.txa");
  EXPECT_FALSE(std::filesystem::exists(folder / "-"));
}

}  // namespace
}  // namespace tallowmere::testing
