#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "robustness/FileFingerprint.h"
#include "support/BinaryRun.h"
#include "support/FolderListing.h"
#include "support/TempDir.h"
#include "support/TestText.h"

namespace tallowmere::testing {
namespace {

namespace fs = std::filesystem;

using Names = std::set<std::string>;

// Every case runs the batch converter with all five corrections in a fresh folder, and
// checks afterwards that the input is exactly as it was before.
class BadFiles : public ::testing::Test {
 protected:
  RunResult convert() {
    const FileFingerprint before = fingerprint(input());
    const RunResult run = runProgram(folder.path(), {"--batch", "--all"});
    EXPECT_EQ(fingerprint(input()), before) << "Import.txa changed";
    return run;
  }
  fs::path input() const { return folder / "Import.txa"; }
  std::string output() const { return readFile(folder / "Export.txa"); }
  Names leftBehind() const { return entriesOf(folder.path()); }

  TempDir folder;
};

// What each pass of a conversion with all five corrections says at the end, when the
// lines hold no identifier and no wrapped clause, and truncated of them were cut at 500
// characters.
std::string summaryWithoutJoins(int lines, int cut, int truncated = 0) {
  const std::string none = "0 clauses joined, 0 lines removed\n";
  const auto count = [](int value, const std::string& what) {
    return std::to_string(value) + (value == 1 ? " line " : " lines ") + what;
  };
  const std::string read =
      count(lines, "read") + (truncated == 0 ? "" : ", " + count(truncated, "truncated"));
  return "Importing TXA File: " + read + "\nRemoving Guids: " + count(0, "replaced") +
         "\nRemoving Ordinals: " + count(cut, "cut") + "\nCorrecting Hash Fields: " + none +
         "Correcting Font: " + none + "Correcting AT: " + none +
         "Exporting TXA File: " + count(lines, "written") + "\n";
}

class BadImportFile : public BadFiles {};

TEST_F(BadImportFile, ThatCannotBeOpenedIsFatalAndLeavesNoOutput) {
  RunResult run = convert();
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, fatalOpenFailure("Import.txa", "File Not Found (2)"));
  // A fatal end writes no settings, and an input that was missing stays missing.
  EXPECT_EQ(leftBehind(), (Names{"TXAFile.tps"}));

  fs::create_directory(input());
  run = convert();
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, fatalOpenFailure("Import.txa", systemError(EISDIR)));
  EXPECT_EQ(leftBehind(), (Names{"Import.txa", "TXAFile.tps"}));
  EXPECT_TRUE(fs::is_empty(input()));
}

TEST_F(BadImportFile, WithoutAnyLineEveryPassFindsNoRecords) {
  for (const std::string& content :
       {std::string(), std::string("\x1A"), std::string("\x1A\r\nX")}) {
    writeFile(folder / "Export.txa", "stale\r\n");
    writeFile(input(), content);
    const RunResult run = convert();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, passesWithNoRecords(everyPass()) + summaryWithoutJoins(0, 0));
    EXPECT_EQ(output(), "");
    EXPECT_EQ(leftBehind(), (Names{"Export.txa", "Import.txa", "TXAFile.tps", "config"}));
  }
}

TEST_F(BadImportFile, OddBytesAndLineEndsPassThroughAsTheLineRulesSay) {
  struct Case {
    const char* what;
    std::string input;
    std::string expected;
    int lines;
    std::string cutWarning = {};
  };
  std::string lfOnly;
  for (int i = 0; i < 40; ++i) lfOnly += "line " + std::to_string(100 + i) + " of text\n";
  const std::vector<Case> cases{
      {"NUL and bytes above 127", std::string("a\0b\x80\xFF\r\n\xE9t\xE9\0\r\n", 13),
       std::string("a\0b\x80\xFF\r\n\xE9t\xE9\0\r\n", 13), 2},
      // Without a single CR LF the whole file is one line: its first 500 columns.
      {"LF only", lfOnly, lfOnly.substr(0, 500) + "\r\n", 1,
       "Import.txa:1: line cut at 500 characters; the file's lines seem to end in LF only\n"},
      {"CR only", "one\rtwo\rthree\r", "one\rtwo\rthree\r\r\n", 1},
  };
  for (const Case& c : cases) {
    writeFile(input(), c.input);
    const RunResult run = convert();
    const bool cut = !c.cutWarning.empty();
    EXPECT_EQ(run.status, cut ? 3 : 0) << c.what << "\n" << run.err;
    EXPECT_EQ(run.err,
              passesCompleted(everyPass()) + summaryWithoutJoins(c.lines, 0, cut) + c.cutWarning)
        << c.what;
    EXPECT_EQ(output(), c.expected) << c.what;
  }
}

// The reader must skip the rest of an overlong line as it reads, not gather it: the
// largest child process so far (this test program starts no other large one) stays far
// below the size of the line.
TEST_F(BadImportFile, ALineOfAHundredMegabytesIsCutWithoutHoldingIt) {
  constexpr std::size_t Megabyte = std::size_t{1} << 20;
  {
    std::ofstream out(input(), std::ios::binary);
    const std::string block(Megabyte, 'Q');
    for (int i = 0; i < 100; ++i)
      out.write(block.data(), static_cast<std::streamsize>(block.size()));
    out << "\r\n,AT(1, |\r\n 2)\r\n";
  }
  const RunResult run = convert();
  EXPECT_EQ(run.status, 3) << run.err;
  EXPECT_NE(run.err.find("\nImport.txa:1: line cut at 500 characters\n"), std::string::npos)
      << run.err;
  EXPECT_EQ(output(), crlf({std::string(500, 'Q'), ",AT(1,2)"}));
  rusage usage{};
  ASSERT_EQ(::getrusage(RUSAGE_CHILDREN, &usage), 0);
  EXPECT_LT(usage.ru_maxrss, 60L * 1024) << "kilobytes at most in one child";
}

class BadExportFile : public BadFiles {
 protected:
  void SetUp() override { writeFile(input(), crlf({"one", "two"})); }
};

TEST_F(BadExportFile, ThatIsAFolderIsFatalAfterTheImport) {
  fs::create_directory(folder / "Export.txa");
  const RunResult run = convert();
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            passesCompleted({"Importing TXA File", "Removing Guids", "Removing Ordinals",
                             "Correcting Hash Fields", "Correcting Font", "Correcting AT"}) +
                fatalOpenFailure("Export.txa", systemError(EISDIR)));
  EXPECT_TRUE(fs::is_empty(folder / "Export.txa"));
  EXPECT_EQ(leftBehind(), (Names{"Export.txa", "Import.txa", "TXAFile.tps"}));
}

// A full disk is a failed append whether it shows at once (a full block of lines) or only
// when the last lines are written out: both halt, and neither ends as a success.
TEST_F(BadExportFile, OnAFullDiskHaltsWithTheErrorCodeAndText) {
  const std::string halt =
      "Halt: 90 Export.txa could not be written: " + std::string(std::strerror(ENOSPC)) + "\n";
  for (const int lines : {2, 3000}) {
    writeFile(input(), crlf(std::vector<std::string>(lines, std::string(490, 'x'))));
    fs::remove(folder / "Export.txa");
    fs::create_symlink("/dev/full", folder / "Export.txa");
    const RunResult run = convert();
    EXPECT_EQ(run.status, 1) << lines << " lines\n" << run.err;
    ASSERT_GE(run.err.size(), halt.size()) << run.err;
    EXPECT_EQ(run.err.substr(run.err.size() - halt.size()), halt) << lines << " lines";
    EXPECT_EQ(run.err.find("Access Error"), std::string::npos) << run.err;
    EXPECT_TRUE(fs::is_symlink(folder / "Export.txa"));
    EXPECT_EQ(leftBehind(), (Names{"Export.txa", "Import.txa", "TXAFile.tps"}));
  }
}

class BadBackingFile : public BadFiles {
 protected:
  void SetUp() override { writeFile(input(), crlf({"A,#ORDINAL(1)", "B"})); }
  void expectConverted(const RunResult& run) {
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(output(), crlf({"A", "B"}));
  }
};

TEST_F(BadBackingFile, ThatIsAFolderIsReportedAndTheProgramGoesOn) {
  fs::create_directory(folder / "TXAFile.tps");
  const RunResult run = convert();
  expectConverted(run);
  EXPECT_EQ(run.err,
            "FileSync - Open: Error Opening the Physical file.\nFile:TXAFile.tps\n"
            "Error(90) File System Error\nFile Error(" +
                std::to_string(EISDIR) + ") " + std::strerror(EISDIR) + "\n" +
                passesCompleted(everyPass()) + summaryWithoutJoins(2, 1));
  EXPECT_TRUE(fs::is_empty(folder / "TXAFile.tps"));
}

// A backing file that cannot be created ends the start-up load without a message; its
// content would never be used anyway.
TEST_F(BadBackingFile, ThatCannotBeCreatedIsPassedOverSilently) {
  fs::create_symlink("no-such-folder/TXAFile.tps", folder / "TXAFile.tps");
  const RunResult run = convert();
  expectConverted(run);
  EXPECT_EQ(run.err, passesCompleted(everyPass()) + summaryWithoutJoins(2, 1));
  EXPECT_FALSE(fs::exists(folder / "no-such-folder"));
  EXPECT_EQ(leftBehind(), (Names{"Export.txa", "Import.txa", "TXAFile.tps", "config"}));
}

}  // namespace
}  // namespace tallowmere::testing
