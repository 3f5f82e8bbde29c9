#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ReportText.h"
#include "app/batch/BatchConverter.h"
#include "support/SettingsFolder.h"
#include "support/TempDir.h"
#include "txa/FileDeclarationsReset.h"

namespace tallowmere::app {
namespace {

using testing::crlf;
using testing::readFile;
using testing::writeFile;

class RecordingConsole : public platform::Console {
 public:
  bool isTerminal() const override { return false; }
  int columns() const override { return 0; }
  void write(const std::string& text) override { said += text; }
  void redrawLine(const std::string& text) override { said += text; }

  std::string said;
};

class BatchConverter : public ::testing::Test {
 protected:
  BatchConverter() { testing::placeSettingsUnder(folder / "config"); }
  ~BatchConverter() override { txa::testing::resetFileDeclarations(); }

  int run(std::vector<std::string_view> arguments) {
    arguments.insert(arguments.begin(), "--batch");
    return convertInBatch(CommandLine::parse(arguments), console);
  }

  testing::TempDir folder{true};
  RecordingConsole console;
};

// In the test's own process: the converter needs no program around it, only the system's
// services and a console.
TEST_F(BatchConverter, ConvertsChecksAndTellsWithoutStartingTheProgram) {
  const std::string wrapped = crlf({"  BUTTON('Ok'),AT(10,10, |", "      40,14),USE(?Ok)"});
  writeFile(folder / "Import.txa", wrapped);

  EXPECT_EQ(run({"--correct-at", "--check"}), DiffersStatus);
  EXPECT_FALSE(std::filesystem::exists(folder / "Export.txa"));
  EXPECT_NE(console.said.find("\nCorrecting AT: 1 clause joined, 1 line removed\n"),
            std::string::npos)
      << console.said;

  console.said.clear();
  EXPECT_EQ(run({"--correct-at", "--quiet"}), ConvertedStatus);
  EXPECT_EQ(readFile(folder / "Export.txa"), crlf({"  BUTTON('Ok'),AT(10,10,40,14),USE(?Ok)"}));
  EXPECT_EQ(console.said, "");

  console.said.clear();
  EXPECT_EQ(run({"--output-dir", "missing", "Import.txa"}), 2);
  EXPECT_EQ(console.said, "tallowmere: the output folder missing does not exist\n");
}

}  // namespace
}  // namespace tallowmere::app
