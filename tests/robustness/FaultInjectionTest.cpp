#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "robustness/InProcessFixture.h"
#include "runtime/files/ErrorState.h"
#include "runtime/files/FaultPlan.h"
#include "support/FolderListing.h"
#include "support/TestText.h"
#include "txa/TxaFiles.h"

namespace tallowmere::testing {
namespace {

using runtime::FileOperation;
using runtime::ErrorCode::AccessDenied;
using runtime::ErrorCode::OperatingSystemError;
using Names = std::set<std::string>;

std::string readOnlyNotice(const std::string& file) {
  return "Access Denied: Could not get write access to " + file + " so trying read-only.\n";
}

// Refuses the opens of a file that the file manager makes while asking for write access:
// the first open, and its retry after "Recover=". The read-only open after that works.
void refuseWriteAccess(runtime::File& file, int opensBefore = 0) {
  file.faults().failOn(FileOperation::Open, opensBefore + 1, AccessDenied);
  file.faults().failOn(FileOperation::Open, opensBefore + 2, AccessDenied);
}

class RefusedAccess : public InProcessTest {
 protected:
  void SetUp() override { writeFile(folder / "Import.txa", crlf({"A,#ORDINAL(1)", "B"})); }
};

TEST_F(RefusedAccess, AnUnreadableInputIsFatalAfterTheReadOnlyAttempt) {
  const std::string before = input();
  txa::ImportFile().faults().failFrom(FileOperation::Open, 1, AccessDenied);
  EXPECT_EXIT(convert(allCorrections()), ::testing::ExitedWithCode(1),
              wholeText(readOnlyNotice("Import.txa") +
                        fatalOpenFailure("Import.txa", "Access Denied (5)")));
  EXPECT_EQ(input(), before);
  EXPECT_EQ(entriesOf(folder.path()), (Names{"Import.txa", "TXAFile.tps"}));
}

TEST_F(RefusedAccess, AReadOnlyInputIsConvertedAfterTheNotice) {
  const std::string before = input();
  refuseWriteAccess(txa::ImportFile());
  convert(allCorrections());
  ASSERT_EQ(messageBoxes().size(), 1u);
  EXPECT_EQ(messageBoxes()[0].request.caption, "Access Denied");
  EXPECT_EQ(messageBoxes()[0].request.text,
            "Could not get write access to Import.txa so trying read-only.");
  EXPECT_EQ(output(), crlf({"A", "B"}));
  EXPECT_EQ(input(), before);
}

// The export first empties its output through an open of its own (refused here, so the old
// content stays), then opens it through its file manager, which falls back to read-only.
TEST_F(RefusedAccess, AReadOnlyOutputHaltsOnTheFirstAdd) {
  const std::string before = input();
  writeFile(folder / "Export.txa", crlf({"earlier output"}));
  txa::ExportFile().faults().failOn(FileOperation::Open, 1, AccessDenied);
  refuseWriteAccess(txa::ExportFile(), 1);
  EXPECT_EXIT(convert({}), ::testing::ExitedWithCode(1),
              wholeText(passesCompleted({"Importing TXA File"}) + readOnlyNotice("Export.txa") +
                        "Halt: 5 Export.txa could not be written: Access Denied\n"));
  EXPECT_EQ(output(), crlf({"earlier output"}));
  EXPECT_EQ(input(), before);
  EXPECT_EQ(entriesOf(folder.path()), (Names{"Export.txa", "Import.txa", "TXAFile.tps"}));
}

// A writable output takes the lines only as a whole: a halt part way leaves it empty, and
// the lines written so far go with the temporary file they were written to.
TEST_F(RefusedAccess, AFailedAppendToTheOutputLeavesItEmpty) {
  writeFile(folder / "Export.txa", crlf({"earlier output"}));
  txa::ExportFile().faults().failOn(FileOperation::Add, 2, AccessDenied);
  EXPECT_EXIT(convert({}), ::testing::ExitedWithCode(1),
              wholeText(passesCompleted({"Importing TXA File"}) +
                        "Halt: 5 Export.txa could not be written: Access Denied\n"));
  EXPECT_EQ(output(), "");
  EXPECT_EQ(entriesOf(folder.path()), (Names{"Export.txa", "Import.txa", "TXAFile.tps"}));
}

// A read that fails part way through the input ends the import like the end of the data
// would, with a message; the lines read before it are converted and exported.
TEST_F(RefusedAccess, AReadErrorEndsTheImportWithTheLinesReadSoFar) {
  writeFile(folder / "Import.txa", crlf({"A,#ORDINAL(1)", "B", "C", "D"}));
  txa::ImportFile().faults().failOn(FileOperation::Next, 3, OperatingSystemError,
                                    testing::systemCause(EIO));
  convert(allCorrections());
  ASSERT_EQ(messageBoxes().size(), 1u);
  EXPECT_EQ(messageBoxes()[0].request.caption, "Record Retrieval Error");
  EXPECT_EQ(messageBoxes()[0].request.text,
            "Error: (" + systemError(EIO) +
                ") attempting to access a record from the Import.txa file.  Returning to "
                "previous window.");
  EXPECT_EQ(output(), crlf({"A", "B"}));
  EXPECT_EQ(input(), crlf({"A,#ORDINAL(1)", "B", "C", "D"}));
}

// A failed write-back or deletion in a correction pass is reported against the view and
// ends that pass. The lines it handled before keep their changes, the failed line and
// everything after it stay as they were, and the export still writes every line.
class FailedWrite : public InProcessTest {
 protected:
  void expectOneBox(const std::string& caption, const std::string& text) {
    ASSERT_EQ(messageBoxes().size(), 1u) << caption;
    EXPECT_EQ(messageBoxes()[0].request.caption, caption);
    EXPECT_EQ(messageBoxes()[0].request.text, text);
  }
  void expectNotUpdated(const std::string& errorText) {
    expectOneBox("Record was not updated", "An error (" + errorText +
                                               ") was experienced when making changes to the "
                                               "Process:View file.");
  }
  void expectNotDeleted(const std::string& errorText) {
    expectOneBox("Record was not deleted", "An error (" + errorText +
                                               ") was experienced when deleting a record from "
                                               "the Process:View file.");
  }
  // Converts lines with one pass, checking the input file stays as written.
  void convertWith(const std::vector<std::string>& lines, app::ConversionOptions options) {
    writeFile(folder / "Import.txa", crlf(lines));
    convert(options);
    EXPECT_EQ(input(), crlf(lines));
  }
};

TEST_F(FailedWrite, InTheLineRewritingPassesEndsThePass) {
  app::ConversionOptions guids;
  guids.RemoveGuids = 1;
  txa::TXAFile().faults().failOn(FileOperation::Put, 2, AccessDenied);
  const std::string guid = "!!> GUID('11111111-2222-3333-4444-555555555555')";
  convertWith({guid, guid, guid}, guids);
  expectNotUpdated("Access Denied (5)");
  EXPECT_EQ(output(), crlf({"!!> Ident(4294967295)", guid, guid}));

  app::ConversionOptions ordinals;
  ordinals.RemoveOrdinals = 1;
  txa::TXAFile().faults().failOn(FileOperation::Put, 2, OperatingSystemError,
                                 testing::systemCause(EIO));
  convertWith({"A,#ORDINAL(1)", "B,#ORDINAL(2)", "C,#ORDINAL(3)"}, ordinals);
  expectNotUpdated(systemError(EIO));
  EXPECT_EQ(output(), crlf({"A", "B,#ORDINAL(2)", "C,#ORDINAL(3)"}));
}

struct JoiningCase {
  const char* pass;
  app::ConversionOptions options;
  // Builds a clause over lines from an opening text and the texts that follow it.
  std::string (*opening)(const std::string& first);
};

app::ConversionOptions only(std::uint8_t app::ConversionOptions::*option) {
  app::ConversionOptions options;
  options.*option = 1;
  return options;
}

std::vector<JoiningCase> joiningPasses() {
  return {
      {"Correct Hash Field", only(&app::ConversionOptions::CorrectHashField),
       [](const std::string& first) { return "  #FIELD(" + first + ", |"; }},
      {"Correct Window Font", only(&app::ConversionOptions::CorrectWindowFont),
       [](const std::string& first) { return "  W,FONT('" + first + "', |"; }},
      {"Correct AT", only(&app::ConversionOptions::CorrectAT),
       [](const std::string& first) { return "  X,AT(" + first + ", |"; }},
  };
}

// The opening line without its " |", joined with a closing line's text.
std::string joined(const std::string& opening, const std::string& closing) {
  return opening.substr(0, opening.size() - 2) + closing;
}

// The write of a joined clause fails while its opening line is held: the held line goes
// back into the table in front of the line that failed, and a later clause stays apart.
TEST_F(FailedWrite, InTheJoiningPassesPutsTheHeldGroupBack) {
  for (const JoiningCase& c : joiningPasses()) {
    const std::string first = c.opening("A"), second = c.opening("C"), third = c.opening("E");
    const std::vector<std::string> lines{first, "    B)", "plain", second, "    D)", third, "  F)"};
    // Written: the first joined clause, "plain", then the second joined clause fails.
    txa::TXAFile().faults().failOn(FileOperation::Put, 3, AccessDenied);
    convertWith(lines, c.options);
    expectNotUpdated("Access Denied (5)");
    EXPECT_EQ(output(), crlf({joined(first, "B)"), "plain", second, "    D)", third, "  F)"}))
        << c.pass;
  }
}

// A clause over three lines: its middle line still opens the clause, and removing it
// fails. Both the held opening line and the middle line stay, in their order.
TEST_F(FailedWrite, InTheJoiningPassesADeletionKeepsTheLinesItHeld) {
  for (const JoiningCase& c : joiningPasses()) {
    const std::string first = c.opening("A"), second = c.opening("C"), third = c.opening("E");
    const std::vector<std::string> lines{first,    "    B)", "plain", second,
                                         "  M, |", "    D)", third,   "  F)"};
    // Removed: the first opening line, the second one, then the middle line fails.
    txa::TXAFile().faults().failOn(FileOperation::Delete, 3, OperatingSystemError,
                                   testing::systemCause(EIO));
    convertWith(lines, c.options);
    expectNotDeleted(systemError(EIO));
    EXPECT_EQ(output(),
              crlf({joined(first, "B)"), "plain", second, "  M, |", "    D)", third, "  F)"}))
        << c.pass;
  }
}

// Later passes still run after one failed: the failed pass's lines are handed on whole.
TEST_F(FailedWrite, TheConversionGoesOnWithTheNextPass) {
  txa::TXAFile().faults().failOn(FileOperation::Put, 1, AccessDenied);
  convertWith({"A,#ORDINAL(1)", "  X,AT(1, |", "    2)"}, allCorrections());
  expectNotUpdated("Access Denied (5)");
  EXPECT_EQ(output(), crlf({"A", "  X,AT(1,2)"}));
}

}  // namespace
}  // namespace tallowmere::testing
