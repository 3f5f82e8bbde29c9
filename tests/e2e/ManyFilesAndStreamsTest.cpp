#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
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

  for (const std::string& refused : {std::string(), std::string("A\r\n\0B\r\n", 6)}) {
    std::filesystem::remove_all(folder / "out");
    std::filesystem::create_directory(folder / "out");
    const RunResult run = batchReading(refused, {"--input", "-", "--output", "out/x.txa"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("standard input is"), std::string::npos) << run.err;
    EXPECT_EQ(outputs(), std::set<std::string>{});
  }
}

}  // namespace
}  // namespace tallowmere::testing
