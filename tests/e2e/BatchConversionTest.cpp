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
  // The line cut at 500 characters is the seventh an editor shows: the lone LF before it
  // ends a line there.
  EXPECT_EQ(run.status, 3) << run.err;
  EXPECT_NE(run.err.find("\nImport.txa:7: line cut at 500 characters\n"), std::string::npos)
      << run.err;
  EXPECT_EQ(output(), crlf({"A       B", "trailing", "", "", "lone\rcr\n", longLine.substr(0, 500),
                            "split", "here", "last"}));
}

// A line longer than a record holds keeps its first 500 characters, as the environment
// reads it, and the run says so: the first five such lines by FILE:LINE:, a count of the
// rest, a count in the summary and the report, and status 3.
TEST_F(BatchConversion, LinesCutAt500CharactersAreNamed) {
  // A file whose CRs were lost on the way is one long line to the rules.
  std::string lineFeedsOnly;
  for (int n = 0; n < 64; ++n) lineFeedsOnly += "xxxxxxxxxx\n";
  const RunResult oneLine = convert(lineFeedsOnly, {"--report", "report.json"});
  EXPECT_EQ(oneLine.status, 3);
  EXPECT_EQ(output(), lineFeedsOnly.substr(0, 500) + "\r\n");
  EXPECT_EQ(oneLine.err.substr(oneLine.err.find("Importing TXA File: 1 ")),
            "Importing TXA File: 1 line read, 1 line truncated\n"
            "Exporting TXA File: 1 line written\n"
            "Import.txa:1: line cut at 500 characters; the file's lines seem to end in LF only\n");
  const auto report = nlohmann::json::parse(readFile(folder / "report.json"));
  EXPECT_EQ(report["passes"][0]["counts"]["lines_truncated"], 1);
  EXPECT_EQ(report["all_applied"], false);
  EXPECT_EQ(report["status"], 3);

  // Blanks and tabs past column 500 lose nothing that writing the line would keep.
  std::vector<std::string> lines{"first", std::string(500, 'e') + "  \t ",
                                 std::string(497, 'a') + "\tb"};
  for (int n = 0; n < 6; ++n) lines.push_back(std::string(500 + n, 'w') + "tail");
  lines.push_back("last");
  std::vector<std::string> kept;
  for (const std::string& line : lines) kept.push_back(line.substr(0, 500));
  kept[1] = std::string(500, 'e');
  kept[2] = std::string(497, 'a');
  const std::string warnings =
      "Import.txa:3: line cut at 500 characters\n"
      "Import.txa:4: line cut at 500 characters\n"
      "Import.txa:5: line cut at 500 characters\n"
      "Import.txa:6: line cut at 500 characters\n"
      "Import.txa:7: line cut at 500 characters\n"
      "Import.txa: 2 more lines cut at 500 characters\n";
  const RunResult many = convert(crlf(lines), {"--correct-at", "--report", "report.json"});
  EXPECT_EQ(many.status, 3);
  EXPECT_EQ(output(), crlf(kept));
  EXPECT_EQ(many.err.substr(many.err.find("Importing TXA File: 10 lines")),
            "Importing TXA File: 10 lines read, 7 lines truncated\n"
            "Correcting AT: 0 clauses joined, 0 lines removed\n"
            "Exporting TXA File: 10 lines written\n" +
                warnings);
  EXPECT_EQ(nlohmann::json::parse(readFile(folder / "report.json"))["passes"][0]["counts"],
            (nlohmann::json{{"lines_read", 10}, {"lines_truncated", 7}}));
  EXPECT_EQ(convert(crlf(lines), {"--quiet"}).err, warnings);

  // A run that cuts nothing reports as it always did.
  const RunResult whole = convert(crlf({"short", std::string(500, 'f')}), {"--report", "r.json"});
  EXPECT_EQ(whole.status, 0);
  EXPECT_EQ(nlohmann::json::parse(readFile(folder / "r.json"))["passes"][0]["counts"],
            (nlohmann::json{{"lines_read", 2}}));
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
  // then closes with the next line. The other way round the ordinal's ")" would close it.
  const RunResult run =
      convert(crlf({"!!> GUID('11111111-2222-3333-4444-555555555555')", "#FIELD(A, | #ORDINAL(1)",
                    "B)", "W,FONT('T',8, |", "  9),AT(1, |", " 2)"}),
              {"--all"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(output(), crlf({"!!> Ident(4294967295)", "#FIELD(A,B)", "W,FONT('T',8,9),AT(1,2)"}));
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
  // A clause still open when the data ends keeps its lines as they were read, and the
  // conversion says that a correction could not be applied everywhere.
  ASSERT_EQ(convert(crlf({"first", "  #FIELD(A, |", "    B, |"}), {"--correct-hash-field"}).status,
            3);
  EXPECT_EQ(output(), crlf({"first", "  #FIELD(A, |", "    B, |"}));

  // A clause whose joined text would pass 500 characters stays as read, and the lines after
  // it are converted on their own.
  const std::string wide = "X,AT(" + std::string(300, '1') + " |";
  const std::string wider = "  " + std::string(300, '2') + " |";
  ASSERT_EQ(convert(crlf({wide, wider, "plain", "Y,AT(1, |", "2)"}), {"--correct-at"}).status, 3);
  EXPECT_EQ(output(), crlf({wide, wider, "plain", "Y,AT(1,2)"}));
}

// After the passes' progress each pass says what it did, then every group kept as read is
// named where an editor jumps to it; --quiet leaves the warnings alone.
TEST_F(BatchConversion, SummaryAndWarningsFollowTheConversion) {
  const std::string input = crlf(
      {"a,#ORDINAL(1)", "X,AT(1, |", " 2)", "  ! see ,AT( below", "Y,AT(3, |", "", "Z,AT(4, |"});
  const RunResult run = convert(input, {"--remove-ordinals", "--correct-at"});
  EXPECT_EQ(run.status, 3);
  const std::string summary =
      "Importing TXA File: 7 lines read\n"
      "Removing Ordinals: 1 line cut\n"
      "Correcting AT: 1 clause joined, 1 line removed, 2 groups kept as read\n"
      "Exporting TXA File: 6 lines written\n";
  const std::string warnings =
      "Import.txa:5: ,AT( clause not joined: its continuation is broken (a line neither "
      "closes it nor ends in the continuation mark)\n"
      "Import.txa:7: ,AT( clause not joined: the data ended with the clause open\n";
  EXPECT_EQ(run.err.substr(run.err.find("Importing TXA File: 7")), summary + warnings);

  const RunResult quiet = convert(input, {"--remove-ordinals", "--correct-at", "--quiet"});
  EXPECT_EQ(quiet.status, 3);
  EXPECT_EQ(quiet.err, warnings);
  EXPECT_EQ(convert(crlf({"X,AT(1, |", " 2)"}), {"--all", "--quiet"}).err, "");
}

// A kept group is named by the line an editor shows it on, whatever the passes before
// joined, and whatever control-Z and lone LFs made of the records before it: a control-Z
// inside a line starts a record but no line, a lone LF starts a line but no record.
TEST_F(BatchConversion, KeptGroupsAreNamedByTheLineAnEditorShows) {
  const std::string input =
      "one\x1Atwo\r\n"          // line 1, two records
      "lone\nfeed\nagain\r\n"   // lines 2 to 4, one record
      "#FIELD(a, |\r\n b)\r\n"  // lines 5 and 6, joined by the first joining pass
      "W,FONT('x', |\r\n\r\n"   // line 7: kept and put back by the second
      "X,FONT('y', |\r\n"       // line 9, joined by the second after the lines put back,
      "  8),AT(1, |\r\n\r\n"    // into a line that opens a clause the third keeps
      "Z,AT(2, |\r\n";          // line 12, still open when the data ends
  const RunResult run = convert(input, {"--correct-hash-field", "--correct-window-font",
                                        "--correct-at", "--quiet", "--report", "report.json"});
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(output(), crlf({"one", "two", "lone\nfeed\nagain", "#FIELD(a,b)", "W,FONT('x', |", "",
                            "X,FONT('y',8),AT(1, |", "", "Z,AT(2, |"}));
  const std::string broken =
      " clause not joined: its continuation is broken (a line neither closes it nor ends in "
      "the continuation mark)\n";
  EXPECT_EQ(run.err, "Import.txa:7: ,FONT('" + broken + "Import.txa:9: ,AT(" + broken +
                         "Import.txa:12: ,AT( clause not joined: the data ended with the clause "
                         "open\n");
  const auto report = nlohmann::json::parse(readFile(folder / "report.json"));
  EXPECT_EQ(report["passes"][2]["kept"][0]["line"], 7);
  EXPECT_EQ(report["passes"][3]["kept"][0]["line"], 9);
  EXPECT_EQ(report["passes"][3]["kept"][1]["line"], 12);
}

// A report that cannot be written is refused before anything is converted.
TEST_F(BatchConversion, AReportThatCannotBeWrittenStopsBeforeTheConversion) {
  const RunResult run = convert(crlf({"a"}), {"--all", "--report", "missing/report.json"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "tallowmere: cannot write the report missing/report.json: File Not Found\n");
  std::filesystem::create_directory(folder / "folder");
  const RunResult onAFolder = convert(crlf({"a"}), {"--all", "--report", "folder"});
  EXPECT_EQ(onAFolder.status, 2);
  EXPECT_EQ(onAFolder.err,
            "tallowmere: cannot write the report folder: it names something other than a file\n");
  EXPECT_EQ(entriesOf(folder.path()), (std::set<std::string>{"Import.txa", "folder"}));
}

// --check converts in memory only: nothing in the folder is created or changed, and the
// status says whether the output would differ from the input.
TEST_F(BatchConversion, CheckWritesNothingAndSaysWhetherTheOutputWouldChange) {
  struct Case {
    std::vector<std::string> lines;
    std::string option;
    int status;
  };
  const std::vector<Case> cases{
      {{"A", "  B,AT(1, |", "  2)"}, "--all", 4},
      {{"A", "  B,AT(1,2)"}, "--all", 0},
      {{"A", "#FIELD(x, |"}, "--correct-hash-field", 3},  // the same lines, one group kept
      {{"A", "#FIELD(x, |"}, "--remove-guids", 0},
  };
  for (const Case& c : cases) {
    writeFile(folder / "Export.txa", "earlier\r\n");
    const RunResult run = convert(crlf(c.lines), {c.option, "--check"});
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find("Importing TXA File: " + std::to_string(c.lines.size()) + " lines read"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(entriesOf(folder.path()), (std::set<std::string>{"Export.txa", "Import.txa"}));
    EXPECT_EQ(output(), "earlier\r\n");
    EXPECT_EQ(readFile(folder / "Import.txa"), crlf(c.lines));
  }
}

// A check of a file against itself, however it is spelt, compares the conversion with the
// input as read; the report's status is the exit status, and it says that nothing was
// written.
TEST_F(BatchConversion, AnInPlaceCheckComparesWithTheInputAsRead) {
  for (const std::string output : {"Import.txa", "./Import.txa"}) {
    for (const bool converted : {false, true}) {
      const std::string input =
          converted ? crlf({"A", "  B,AT(1,2)"}) : crlf({"A", "  B,AT(1, |", "  2)"});
      const RunResult run = convert(
          input, {"--all", "--check", "--quiet", "--output", output, "--report", "report.json"});
      const int status = converted ? 0 : 4;
      EXPECT_EQ(run.status, status) << output << run.err;
      EXPECT_EQ(readFile(folder / "Import.txa"), input);
      const auto report = nlohmann::json::parse(readFile(folder / "report.json"));
      EXPECT_EQ(report["status"], status) << output;
      EXPECT_EQ(report["output"], output);
      EXPECT_EQ(report["written"], false);
    }
  }
  ASSERT_EQ(convert(crlf({"A"}), {"--report", "report.json"}).status, 0);
  EXPECT_FALSE(nlohmann::json::parse(readFile(folder / "report.json")).contains("written"));
}

TEST_F(BatchConversion, ClosedStandardDescriptorsNeverTakeTheFiles) {
  // The files opened first would otherwise land on the closed descriptor, and messages meant
  // for it would be written into them.
  const std::string input =
      crlf({"  WINDOW('Main'),AT(0,0, |", "    100,50),#ORDINAL(3)", "plain"});
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
