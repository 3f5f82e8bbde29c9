#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
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
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    ASSERT_TRUE(std::filesystem::exists(folder / "Export.txa"));
    const std::string exported = testing::readFile(folder / "Export.txa");
    const std::string expected = convert(input, GetParam().corrections);
    EXPECT_TRUE(exported == expected) << firstDifference(exported, expected);
    EXPECT_TRUE(testing::readFile(folder / "Import.txa") == input) << "the input was changed";
  }
}

INSTANTIATE_TEST_SUITE_P(Options, ModelAgainstBinary, ::testing::ValuesIn(optionSets()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tallowmere::model
