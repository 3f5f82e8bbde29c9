#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/BinaryRun.h"
#include "support/TempDir.h"
#include "support/TestText.h"

namespace tallowmere::testing {
namespace {

class BatchConversion : public ::testing::Test {
 protected:
  RunResult convert(const std::string& input, std::vector<std::string> options) {
    writeFile(folder / "Import.txa", input);
    options.insert(options.begin(), "--batch");
    return runProgram(folder.path(), options);
  }
  std::string output() const { return readFile(folder / "Export.txa"); }

  TempDir folder;
};

TEST_F(BatchConversion, WithoutOptionsCopiesByTheLineRules) {
  const std::string longLine(501, 'L');
  const RunResult run = convert(
      "A\tB\r\ntrailing   \r\n\r\n   \r\nlone\rcr\n\r\n" + longLine + "\r\nsplit\x1Ahere\r\nlast",
      {});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(output(), crlf({"A       B", "trailing", "", "", "lone\rcr\n", longLine.substr(0, 500),
                            "split", "here", "last"}));
}

TEST_F(BatchConversion, VersionIsTheProjectVersion) {
  const RunResult run = runProgram(folder.path(), {"--version"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "tallowmere " TALLOWMERE_PROJECT_VERSION "\n");
}

TEST_F(BatchConversion, ControlZAtTheStartOfALineEndsTheData) {
  ASSERT_EQ(convert("one\r\n\x1Atwo\r\nthree\r\n", {}).status, 0);
  EXPECT_EQ(output(), crlf({"one"}));
}

TEST_F(BatchConversion, EachCorrectionAlone) {
  struct Case {
    const char* option;
    std::vector<std::string> input;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases{
      {"--remove-ordinals",
       {"NAME,#ORDINAL(3)", "#ORDINAL(5)", ",#ORDINAL(5)", "NAME,#ordinal(3)"},
       {"NAME", "#ORDINAL(5)", "", "NAME,#ordinal(3)"}},
      {"--remove-guids",
       {"!!> GUID('11111111-2222-3333-4444-555555555555')", "PLAIN LINE",
        "!!> GUID('aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee') REST",
        "  !!> GUID('aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee')", "!!> GUID('XYZ')"},
       {"!!> Ident(4294967295)", "PLAIN LINE", "!!> Ident(4294967294) REST",
        "  !!> GUID('aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee')", "!!> Ident(4294967293)"}},
      {"--correct-hash-field",
       {"  #FIELD(A, |", "      B, |", "      C)", "NEXT"},
       {"  #FIELD(A,B,C)", "NEXT"}},
      {"--correct-window-font",
       {"  A('B'),FONT('C',8, |", "      D),E", "  F"},
       {"  A('B'),FONT('C',8,D),E", "  F"}},
      {"--correct-at",
       {"  A('B'),AT(10,10, |", "      40,14),C", "  D('E'),AT(60,10,40,14)"},
       {"  A('B'),AT(10,10,40,14),C", "  D('E'),AT(60,10,40,14)"}},
  };
  for (const Case& c : cases) {
    const RunResult run = convert(crlf(c.input), {c.option});
    ASSERT_EQ(run.status, 0) << c.option << run.err;
    EXPECT_EQ(output(), crlf(c.expected)) << c.option;
  }
}

TEST_F(BatchConversion, AllCorrectionsRunInTheirFixedOrder) {
  // Remove Ordinals before Correct Hash Field: the cut opens a clause that the joining
  // then closes with the next line. The other way round the line would be left alone.
  const RunResult run =
      convert(crlf({"!!> GUID('11111111-2222-3333-4444-555555555555')", "#FIELD(A, #ORDINAL(1)",
                    "B)", "W,FONT('T',8, |", "  9),AT(1, |", " 2)"}),
              {"--all"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(output(), crlf({"!!> Ident(4294967295)", "#FIELD(B)", "W,FONT('T',8,9),AT(1,2)"}));
  // Each pass reports when it ends, in the order it ran.
  std::size_t at = 0;
  for (const std::string& pass : everyPass()) {
    at = run.err.find(pass + ": 100% Complete", at);
    EXPECT_NE(at, std::string::npos) << pass << "\n" << run.err;
  }
}

TEST_F(BatchConversion, EmptyInputReportsNoRecordsForEveryPass) {
  writeFile(folder / "Export.txa", "stale\r\n");
  const RunResult run = convert("", {"--remove-ordinals", "--correct-at"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(output(), "");
  std::size_t count = 0;
  for (std::size_t at = run.err.find("No Records: There are no records available to process.");
       at != std::string::npos;
       at = run.err.find("No Records: There are no records available to process.", at + 1)) {
    ++count;
  }
  EXPECT_EQ(count, 4u) << run.err;  // import, two corrections, export
}

TEST_F(BatchConversion, MissingInputIsFatal) {
  const RunResult run = runProgram(folder.path(), {"--batch", "--input", "Missing.txa"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("File Access Error: File Missing.txa could not be opened.  Error: File "
                         "Not Found (2).  Press OK to end this application"),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(std::filesystem::exists(folder / "Export.txa"));
}

TEST_F(BatchConversion, OutputIsTruncatedAndStartUpFilesAppear) {
  writeFile(folder / "Export.txa", crlf(std::vector<std::string>(50, "old line")));
  ASSERT_EQ(convert(crlf({"new"}), {}).status, 0);
  EXPECT_EQ(output(), crlf({"new"}));
  EXPECT_TRUE(std::filesystem::exists(folder / "TXAFile.tps"));
  EXPECT_EQ(std::filesystem::file_size(folder / "TXAFile.tps"), 0u);
  const std::string settings = readFile(folder / "config" / "Tallowmere.INI");
  EXPECT_NE(settings.find("[__Dont_Touch_Me__]\r\nSectors=0\r\n"), std::string::npos) << settings;
}

TEST_F(BatchConversion, NamedFilesAreUsedAndNamedInMessages) {
  writeFile(folder / "in.txa", crlf({"x,#ORDINAL(1)"}));
  const RunResult run = runProgram(
      folder.path(), {"--batch", "--remove-ordinals", "--input", "in.txa", "--output", "out.txa"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(readFile(folder / "out.txa"), crlf({"x"}));
  EXPECT_FALSE(std::filesystem::exists(folder / "Export.txa"));
}

TEST_F(BatchConversion, UnfinishedClausesNeverLoseText) {
  // A clause still open when the data ends keeps its lines as they were read.
  ASSERT_EQ(convert(crlf({"first", "  #FIELD(A, |", "    B, |"}), {"--correct-hash-field"}).status,
            0);
  EXPECT_EQ(output(), crlf({"first", "  #FIELD(A, |", "    B, |"}));

  // A clause whose joined text would pass 500 characters stays as read, and the lines after
  // it are converted on their own.
  const std::string wide = "X,AT(" + std::string(300, '1') + " |";
  const std::string wider = "  " + std::string(300, '2') + " |";
  ASSERT_EQ(convert(crlf({wide, wider, "plain", "Y,AT(1, |", "2)"}), {"--correct-at"}).status, 0);
  EXPECT_EQ(output(), crlf({wide, wider, "plain", "Y,AT(1,2)"}));
}

TEST_F(BatchConversion, ClosedStandardDescriptorsNeverTakeTheFiles) {
  // The files opened first would otherwise land on the closed descriptor, and messages meant
  // for it would be written into them.
  const std::string input = crlf({"  WINDOW('Main'),AT(0,0, |", "    100,50),#ORDINAL(3)", "plain"});
  ASSERT_EQ(convert(input, {"--all"}).status, 0);
  const std::string normal = output();
  for (int descriptor : {0, 1, 2}) {
    std::filesystem::remove(folder / "Export.txa");
    const RunResult run = runProgramWithout(descriptor, folder.path(), {"--batch", "--all"});
    EXPECT_EQ(run.status, 0) << "descriptor " << descriptor << ": " << run.err;
    EXPECT_EQ(readFile(folder / "Import.txa"), input) << "descriptor " << descriptor;
    EXPECT_EQ(output(), normal) << "descriptor " << descriptor;
  }
}

TEST_F(BatchConversion, UsageErrorsAndHelp) {
  const RunResult bad = runProgram(folder.path(), {"--batch", "--frobnicate"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("--help"), std::string::npos) << bad.err;
  const RunResult help = runProgram(folder.path(), {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--correct-window-font"), std::string::npos);
}

}  // namespace
}  // namespace tallowmere::testing
