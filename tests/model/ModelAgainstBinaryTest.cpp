#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "model/ReferenceModel.h"
#include "support/BinaryRun.h"
#include "support/TempDir.h"

namespace tallowmere::model {
namespace {

struct OptionSet {
  std::string name;
  std::vector<std::string> flags;
  Corrections corrections;
};

// Names the option set in test listings instead of dumping its bytes.
void PrintTo(const OptionSet& set, std::ostream* out) {
  *out << set.name;
}

Corrections only(bool Corrections::*correction) {
  Corrections corrections;
  corrections.*correction = true;
  return corrections;
}

std::vector<OptionSet> optionSets() {
  return {
      {"None", {}, {}},
      {"RemoveGuids", {"--remove-guids"}, only(&Corrections::removeGuids)},
      {"RemoveOrdinals", {"--remove-ordinals"}, only(&Corrections::removeOrdinals)},
      {"CorrectHashField", {"--correct-hash-field"}, only(&Corrections::correctHashField)},
      {"CorrectWindowFont", {"--correct-window-font"}, only(&Corrections::correctWindowFont)},
      {"CorrectAT", {"--correct-at"}, only(&Corrections::correctAT)},
      {"All", {"--all"}, Corrections::all()},
  };
}

std::vector<std::filesystem::path> corpusFiles() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(TALLOWMERE_MODEL_CORPUS))
    if (entry.path().extension() == ".txa") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

// Where two outputs part, by line, so a failure names the line rather than dumping both.
std::string firstDifference(const std::string& actual, const std::string& expected) {
  std::size_t line = 1;
  std::size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) {
    if (actual[at] == '\n') ++line;
    ++at;
  }
  const auto lineAround = [at](const std::string& text) {
    const std::size_t start = text.rfind('\n', at == 0 ? 0 : at - 1);
    const std::size_t from = start == std::string::npos || at == 0 ? 0 : start + 1;
    return "\"" + text.substr(from, text.find('\n', from) - from) + "\"";
  };
  return "line " + std::to_string(line) + ": got " + lineAround(actual) + ", model " +
         lineAround(expected);
}

class ModelAgainstBinary : public ::testing::TestWithParam<OptionSet> {};

TEST_P(ModelAgainstBinary, ExportEqualsTheModelOnEveryCorpusFile) {
  const std::vector<std::filesystem::path> files = corpusFiles();
  ASSERT_FALSE(files.empty());
  std::vector<std::string> args{"--batch"};
  args.insert(args.end(), GetParam().flags.begin(), GetParam().flags.end());
  for (const std::filesystem::path& file : files) {
    SCOPED_TRACE(file.filename().string());
    const std::string input = testing::readFile(file);
    testing::TempDir folder;
    testing::writeFile(folder / "Import.txa", input);
    const testing::RunResult outcome = testing::runProgram(folder.path(), args);
    // 3 when a group was kept as read; which status is right is checked with the report.
    EXPECT_TRUE(outcome.status == 0 || outcome.status == 3) << outcome.err;
    ASSERT_TRUE(std::filesystem::exists(folder / "Export.txa"));
    const std::string exported = testing::readFile(folder / "Export.txa");
    const std::string expected = convert(input, GetParam().corrections);
    EXPECT_TRUE(exported == expected) << firstDifference(exported, expected);
    EXPECT_TRUE(testing::readFile(folder / "Import.txa") == input) << "the input was changed";
  }
}

using nlohmann::json;

// The report's passes by name.
class ReportedPasses {
 public:
  explicit ReportedPasses(const json& report) {
    for (const json& pass : report.at("passes")) passes_[pass.at("pass")] = pass;
  }
  std::uint64_t count(const std::string& pass, const std::string& what) const {
    return passes_.at(pass).at("counts").at(what);
  }
  // A count that only some runs report, 0 when absent.
  std::uint64_t countIfAny(const std::string& pass, const std::string& what) const {
    return passes_.at(pass).at("counts").value(what, std::uint64_t{0});
  }
  std::vector<Tally::Kept> kept(const std::string& pass) const {
    std::vector<Tally::Kept> groups;
    for (const json& group : passes_.at(pass).at("kept"))
      groups.push_back({group.at("line"), group.at("reason")});
    return groups;
  }
  std::size_t size() const { return passes_.size(); }

 private:
  std::map<std::string, json> passes_;
};

// Every count of the report (the lines cut at 500 characters among them) and every group
// it names kept as read, with its line and its reason, is what the model finds by following
// the lines itself; the exit status and the warnings say the same.
void expectReportAsTheModelCounts(const std::string& input, const OptionSet& set) {
  const Corrections& chosen = set.corrections;
  std::vector<std::string> args{"--batch", "--report", "report.json"};
  args.insert(args.end(), set.flags.begin(), set.flags.end());
  testing::TempDir folder;
  testing::writeFile(folder / "Import.txa", input);
  const testing::RunResult outcome = testing::runProgram(folder.path(), args);
  const Tally expected = tally(input, chosen);
  const json report = json::parse(testing::readFile(folder / "report.json"));
  ReportedPasses passes(report);

  EXPECT_EQ(passes.count("Importing TXA File", "lines_read"), expected.linesRead);
  EXPECT_EQ(passes.countIfAny("Importing TXA File", "lines_truncated"), expected.linesTruncated);
  EXPECT_EQ(passes.count("Exporting TXA File", "lines_written"), expected.linesWritten);
  if (chosen.removeGuids) {
    EXPECT_EQ(passes.count("Removing Guids", "lines_replaced"), expected.linesReplaced);
  }
  if (chosen.removeOrdinals) {
    EXPECT_EQ(passes.count("Removing Ordinals", "lines_cut"), expected.linesCut);
  }
  bool anyKept = false;
  const std::map<std::string, std::string> joiningPasses = {{"#FIELD", "Correcting Hash Fields"},
                                                            {",FONT('", "Correcting Font"},
                                                            {",AT(", "Correcting AT"}};
  for (const auto& [marker, join] : expected.joins) {
    const std::string& pass = joiningPasses.at(marker);
    EXPECT_EQ(passes.count(pass, "clauses_joined"), join.clausesJoined) << pass;
    EXPECT_EQ(passes.count(pass, "lines_removed"), join.linesRemoved) << pass;
    EXPECT_EQ(passes.kept(pass), join.kept) << pass;
    for (const Tally::Kept& group : join.kept) {
      anyKept = true;
      const std::string warning =
          "Import.txa:" + std::to_string(group.line) + ": " + marker + " clause not joined: ";
      EXPECT_NE(outcome.err.find(warning), std::string::npos) << warning << "\n" << outcome.err;
    }
  }
  const std::size_t chosenCount = chosen.removeGuids + chosen.removeOrdinals +
                                  chosen.correctHashField + chosen.correctWindowFont +
                                  chosen.correctAT;
  EXPECT_EQ(passes.size(), chosenCount + 2);
  const int status = anyKept || expected.linesTruncated != 0 ? 3 : 0;
  EXPECT_EQ(outcome.status, status) << outcome.err;
  EXPECT_EQ(report.at("status"), status);
}

TEST_P(ModelAgainstBinary, TheReportCountsWhatTheModelCountsOnEveryCorpusFile) {
  for (const std::filesystem::path& file : corpusFiles()) {
    SCOPED_TRACE(file.filename().string());
    expectReportAsTheModelCounts(testing::readFile(file), GetParam());
  }
}

// Exports as the benchmark generator makes them: a realistic application, clauses opened
// and closed on every other line, and clauses that run on for many lines, closed or not.
TEST_P(ModelAgainstBinary, TheReportCountsWhatTheModelCountsOnGeneratedExports) {
  static const std::vector<std::vector<std::string>> generations = {
      {"--mode", "realistic", "--size", "1M", "--seed", "7"},
      {"--mode", "alternating", "--lines", "20000"},
      {"--mode", "runon", "--lines", "3000", "--run-length", "700"},
      {"--mode", "runon", "--lines", "3000"},
  };
  for (const std::vector<std::string>& generation : generations) {
    testing::TempDir folder;
    std::string command = TALLOWMERE_TXAGEN;
    for (const std::string& word : generation) command += " " + word;
    SCOPED_TRACE(command);
    ASSERT_EQ(
        std::system(
            (command + " --output " + (folder / "input.txa").string() + " 2>/dev/null").c_str()),
        0);
    expectReportAsTheModelCounts(testing::readFile(folder / "input.txa"), GetParam());
  }
}

INSTANTIATE_TEST_SUITE_P(Options, ModelAgainstBinary, ::testing::ValuesIn(optionSets()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tallowmere::model
