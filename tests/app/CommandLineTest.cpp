#include <gtest/gtest.h>

#include <vector>

#include "app/CommandLine.h"

namespace tallowmere::app {
namespace {

CommandLine parse(std::vector<std::string_view> arguments) {
  return CommandLine::parse(arguments);
}

TEST(CommandLine, NoArgumentsOpensTheWindow) {
  EXPECT_EQ(parse({}).mode, CommandLine::Mode::Interactive);
}

TEST(CommandLine, BatchTakesCorrectionsAndFiles) {
  const CommandLine line =
      parse({"--batch", "--correct-at", "--remove-guids", "--input", "in.txa", "--output", "o"});
  ASSERT_EQ(line.mode, CommandLine::Mode::Batch);
  EXPECT_EQ(line.options.CorrectAT, 1);
  EXPECT_EQ(line.options.RemoveGuids, 1);
  EXPECT_EQ(line.options.RemoveOrdinals, 0);
  EXPECT_EQ(line.options.CorrectHashField, 0);
  EXPECT_EQ(line.options.CorrectWindowFont, 0);
  EXPECT_EQ(line.input, "in.txa");
  EXPECT_EQ(line.output, "o");

  const CommandLine all = parse({"--all", "--batch"});
  EXPECT_EQ(all.input, "Import.txa");
  EXPECT_EQ(all.output, "Export.txa");
  EXPECT_EQ(all.options.RemoveOrdinals + all.options.CorrectHashField + all.options.RemoveGuids +
                all.options.CorrectWindowFont + all.options.CorrectAT,
            5);
}

TEST(CommandLine, MistakesAreUsageErrorsWithAHint) {
  for (const auto& arguments : std::vector<std::vector<std::string_view>>{
           {"--batch", "--bogus"},
           {"--batch", "--input"},
           {"--batch", "--output", ""},
           {"--all"},
           {"Orders.txa", "--all"},
           {"--batch", "--input", "a", "--input", "b"},
           {"--batch", "--output", "a", "--output", "a"},
           {"--batch", "--report", "a", "--report", "b"},
           {"--batch", "--output-dir", "a", "--output-dir", "b", "f"},
           {"--batch", "--output", "-", "--report", "-"}}) {
    const CommandLine line = parse(arguments);
    EXPECT_EQ(line.mode, CommandLine::Mode::UsageError) << arguments.back();
    EXPECT_FALSE(line.problem.empty());
  }
}

// What Windows runs for a file dropped on the program's icon or opened with it.
TEST(CommandLine, FilesAloneOpenTheWindowWithThem) {
  const CommandLine line = parse({"Orders.txa", "C:\\Exports\\My App.txa"});
  EXPECT_EQ(line.mode, CommandLine::Mode::Interactive);
  EXPECT_EQ(line.files, (std::vector<std::string>{"Orders.txa", "C:\\Exports\\My App.txa"}));
}

TEST(CommandLine, HelpWinsAndListsEveryOption) {
  EXPECT_EQ(parse({"--batch", "--help"}).mode, CommandLine::Mode::Help);
  EXPECT_EQ(parse({"--version"}).mode, CommandLine::Mode::Version);
  for (const char* option : {"--batch", "--remove-ordinals", "--correct-hash-field",
                             "--remove-guids", "--correct-window-font", "--correct-at", "--all",
                             "--input", "--output", "--help", "--version"}) {
    EXPECT_NE(CommandLine::usage().find(option), std::string_view::npos) << option;
  }
}

}  // namespace
}  // namespace tallowmere::app
