// The user's own files in the terminal window, chosen as a person at a terminal chooses
// them: the file dialog by keys and by mouse, the question before a file is replaced, a
// path pasted or dropped on the window, the status line after Process, and the choices
// remembered until the next start.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/TempDir.h"
#include "terminal/ProgramInTmux.h"
#include "terminal/TmuxSession.h"

namespace tallowmere::testing {
namespace {

namespace fs = std::filesystem;

const std::string OpenTitle = "Choose the TXA files to convert";
const std::string SaveTitle = "Choose the file to write";

// An export with a clause Correct AT joins.
const std::vector<std::string> WrappedClause = {"A", "X,AT(1, |", "      2)"};
const std::vector<std::string> JoinedClause = {"A", "X,AT(1,2)"};

// The row of the screen that holds text, or an empty one.
std::string rowWith(const TmuxSession& program, const std::string& text) {
  for (const std::string& row : program.lines()) {
    if (shows(row, text)) return row;
  }
  return {};
}

bool fileHolds(const fs::path& path, const std::string& bytes) {
  return fs::exists(path) && readFile(path) == bytes;
}

class ChoosingFilesTerminal : public ProgramInTmux {
 protected:
  // Until the file dialog with this title is drawn whole, down to its buttons on its last
  // row.
  static bool waitForDialog(const TmuxSession& program, const std::string& title) {
    return program.waitForScreen([&](const std::string& screen) {
      return shows(screen, title) && shows(screen, "[ Cancel ]");
    });
  }

  // Clicks an entry of the file dialog's list (or any text) twice in quick succession.
  static void doubleClickOn(const TmuxSession& program, const std::string& text) {
    const auto at = program.find(text);
    ASSERT_TRUE(at) << text << "\n" << program.screen();
    program.doubleClick(at->column + 1, at->row);
  }

  // The row of a file names it: whole when it lies in the working folder, else by its
  // path, shortened in the middle but with its name whole.
  static void expectFile(const TmuxSession& program, const std::string& row,
                         const std::string& name) {
    EXPECT_TRUE(program.waitForScreen([&](const std::string&) {
      return shows(rowWith(program, row), name);
    })) << name
        << "\n"
        << program.screen();
  }
  static void expectImport(const TmuxSession& program, const std::string& name) {
    expectFile(program, "Import Filename:", name);
  }
};

TEST_F(ChoosingFilesTerminal, TheFileDialogTakesATypedPathCompletedWithTab) {
  fs::create_directories(folder_ / "exports");
  writeFile(folder_ / "exports" / "Orders.txa", crlf(WrappedClause));
  writeFile(folder_ / "exports" / "Other.txa", crlf({"B"}));
  TmuxSession& program = start(80, 24);  // the smallest terminal it must work in
  program.sendKeys({"BTab", "BTab", "BTab", "BTab", "BTab", "Space"});
  ASSERT_TRUE(program.waitForText(">[X] Correct AT")) << program.screen();
  program.sendKeys({"Tab", "Tab", "Tab", "Enter"});  // on to "Browse…" for the import
  ASSERT_TRUE(waitForDialog(program, OpenTitle)) << program.screen();
  EXPECT_TRUE(program.waitForText("Folder: " + folder_.path().string())) << program.screen();

  program.sendKeys({"exp", "Tab"});
  ASSERT_TRUE(program.waitForText("Name:   exports/")) << program.screen();
  // Two names begin with O: the dialog goes into the folder typed, and the name stays.
  program.sendKeys({"O", "Tab"});
  ASSERT_TRUE(program.waitForText("Folder: " + (folder_ / "exports").string())) << program.screen();
  EXPECT_TRUE(shows(rowWith(program, "Name:"), "Name:   O ")) << program.screen();
  program.sendKeys({"r", "Tab"});
  ASSERT_TRUE(program.waitForText("Name:   Orders.txa")) << program.screen();
  program.sendKeys({"Enter"});
  ASSERT_TRUE(program.waitForTextGone(OpenTitle)) << program.screen();
  expectImport(program, "/Orders.txa");
  expectFile(program, "Export Filename:", "/Orders-C6.txa");

  clickOn(program, "[ Process ]");
  EXPECT_TRUE(TmuxSession::waitUntil([&] {
    return fileHolds(folder_ / "exports" / "Orders-C6.txa", crlf(JoinedClause));
  })) << program.screen();
  closeWithTheButton(program);
  EXPECT_EQ(readFile(folder_ / "exports" / "Orders.txa"), crlf(WrappedClause));
  EXPECT_FALSE(fs::exists(folder_ / "Export.txa"));
}

TEST_F(ChoosingFilesTerminal, TheFileDialogTakesClicks) {
  fs::create_directories(folder_ / "exports");
  writeFile(folder_ / "exports" / "Orders.txa", crlf({"A"}));
  writeFile(folder_ / "exports" / "Other.txa", crlf({"B"}));
  writeFile(folder_ / "exports" / "notes.txt", "C\r\n");
  TmuxSession& program = start();

  // Its close box cancels it.
  clickOn(program, "[ Browse");
  ASSERT_TRUE(waitForDialog(program, OpenTitle)) << program.screen();
  const std::vector<TmuxSession::Cell> closeBoxes = program.findAll("[x]");
  ASSERT_FALSE(closeBoxes.empty());
  const auto title = program.find(OpenTitle);
  for (const TmuxSession::Cell& box : closeBoxes) {
    if (box.row == title->row) program.click(box.column + 1, box.row);
  }
  ASSERT_TRUE(program.waitForTextGone(OpenTitle)) << program.screen();
  expectImport(program, "Import Filename: Import.txa");

  clickOn(program, "[ Browse");
  ASSERT_TRUE(waitForDialog(program, OpenTitle)) << program.screen();
  doubleClickOn(program, "exports/");
  ASSERT_TRUE(program.waitForText("Folder: " + (folder_ / "exports").string())) << program.screen();
  ASSERT_TRUE(program.waitForText("Other.txa")) << program.screen();
  EXPECT_FALSE(shows(program.screen(), "notes.txt"));
  // The choice of files shows under the list: once it has changed, so has the list.
  clickOn(program, "All files (*)");
  ASSERT_TRUE(program.waitForText("(\u2022) All files")) << program.screen();
  EXPECT_TRUE(shows(program.screen(), "notes.txt")) << program.screen();
  clickOn(program, "TXA files (*.txa)");
  ASSERT_TRUE(program.waitForText("(\u2022) TXA files")) << program.screen();
  EXPECT_FALSE(shows(program.screen(), "notes.txt")) << program.screen();

  // One click selects: the name shows in the line and the dialog stays.
  clickOn(program, "Other.txa");
  ASSERT_TRUE(program.waitForText("Name:   Other.txa")) << program.screen();
  EXPECT_TRUE(shows(program.screen(), OpenTitle));
  doubleClickOn(program, "Orders.txa");
  ASSERT_TRUE(program.waitForTextGone(OpenTitle)) << program.screen();
  expectImport(program, "/Orders.txa");
  closeWithTheButton(program);
}

TEST_F(ChoosingFilesTerminal, TheSaveDialogAsksBeforeReplacingAFile) {
  writeFile(folder_ / "Import.txa", crlf({"A"}));
  writeFile(folder_ / "Taken.txa", "keep\r\n");
  TmuxSession& program = start();
  const std::vector<TmuxSession::Cell> browse = program.findAll("[ Browse");
  ASSERT_EQ(browse.size(), 2u) << program.screen();
  program.click(browse[1].column + 2, browse[1].row);
  ASSERT_TRUE(waitForDialog(program, SaveTitle)) << program.screen();
  EXPECT_TRUE(program.waitForText("Name:   Export.txa")) << program.screen();  // suggested

  program.sendKeys({"C-u", "Taken.txa", "Enter"});
  ASSERT_TRUE(program.waitForText("Taken.txa already exists.")) << program.screen();
  EXPECT_TRUE(shows(program.screen(), "Confirm Save As"));
  program.sendKeys({"n"});
  ASSERT_TRUE(program.waitForTextGone("Confirm Save As")) << program.screen();
  EXPECT_TRUE(shows(program.screen(), SaveTitle)) << program.screen();
  program.sendKeys({"Enter"});
  ASSERT_TRUE(program.waitForText("Confirm Save As")) << program.screen();
  program.sendKeys({"y"});
  ASSERT_TRUE(program.waitForTextGone(SaveTitle)) << program.screen();
  ASSERT_TRUE(program.waitForText("Export Filename: Taken.txa")) << program.screen();
  EXPECT_EQ(readFile(folder_ / "Taken.txa"), "keep\r\n");  // replaced only by Process

  clickOn(program, "[ Process ]");
  EXPECT_TRUE(TmuxSession::waitUntil([&] { return fileHolds(folder_ / "Taken.txa", crlf({"A"})); }))
      << program.screen();
  closeWithTheButton(program);
}

// A file dropped on a terminal arrives as its path typed into it: bracketed as a paste
// where the terminal can, otherwise typed as fast as the terminal types.
TEST_F(ChoosingFilesTerminal, APastedPathBecomesTheImport) {
  const fs::path drop = folder_ / "drop zone";
  fs::create_directories(drop);
  writeFile(drop / "My Orders.txa", crlf({"A"}));
  writeFile(drop / "Second.txa", crlf({"B"}));
  TmuxSession& program = start();

  program.paste("'" + (drop / "My Orders.txa").string() + "' ", true);
  expectImport(program, "/My Orders.txa");
  std::string uri = "file://" + (drop / "Second.txa").string();
  uri.replace(uri.find(' '), 1, "%20");
  program.paste(uri + "\n", false);
  expectImport(program, "/Second.txa");
  // A path copied as it stands, blanks and all.
  program.paste((drop / "My Orders.txa").string(), true);
  expectImport(program, "/My Orders.txa");
  program.paste("'" + (drop / "Second.txa").string() + "'", true);
  expectImport(program, "/Second.txa");
  expectFile(program, "Export Filename:", "/Second-C6.txa");

  // Text that names no file changes nothing; the key after it still counts.
  program.paste("/no/such/file.txa", true);
  program.sendKeys({"Space"});
  ASSERT_TRUE(program.waitForText(">[X] Remove Ordinals")) << program.screen();
  EXPECT_TRUE(shows(rowWith(program, "Import Filename:"), "/Second.txa")) << program.screen();

  clickOn(program, "[ Process ]");
  EXPECT_TRUE(TmuxSession::waitUntil([&] {
    return fileHolds(drop / "Second-C6.txa", crlf({"B"}));
  })) << program.screen();
  closeWithTheButton(program);
}

TEST_F(ChoosingFilesTerminal, TheStatusLineSaysWhatProcessDid) {
  writeFile(folder_ / "Import.txa", crlf(WrappedClause));
  const fs::path deep = folder_ / "a folder with a name long enough to need shortening";
  fs::create_directories(deep);
  writeFile(deep / "Orders.txa", crlf(WrappedClause));
  TmuxSession& program = start();
  const auto client = clientOrigin(program);
  ASSERT_TRUE(client) << program.screen();
  clickOn(program, "Correct AT");
  ASSERT_TRUE(program.waitForText("[X] Correct AT")) << program.screen();

  clickOn(program, "[ Process ]");
  const std::string done = "Import.txa \u2192 Export.txa: 2 lines written, 1 clause joined";
  ASSERT_TRUE(program.waitForText(done, std::chrono::milliseconds(20000))) << program.screen();
  const auto at = program.find(done);
  EXPECT_EQ(at->row, client->row + 10);
  EXPECT_EQ(at->column, client->column + 3);

  // Too long for its 70 cells, the line ends with an ellipsis in its last one, two short of
  // the frame.
  program.paste("'" + (deep / "Orders.txa").string() + "'", true);
  expectImport(program, "/Orders.txa");
  clickOn(program, "[ Process ]");
  EXPECT_TRUE(program.waitForScreen([&](const std::string&) {
    const std::string row = program.lines().at(client->row + 10);
    return shows(row, "/" + deep.filename().string().substr(0, 10)) && shows(row, "\u2026  \u2502");
  })) << program.screen();
  closeWithTheButton(program);
  EXPECT_TRUE(fileHolds(deep / "Orders-C6.txa", crlf(JoinedClause)));
}

TEST_F(ChoosingFilesTerminal, TheCorrectionsAndTheDialogsFolderAreRememberedAfterARestart) {
  fs::create_directories(folder_ / "exports");
  writeFile(folder_ / "exports" / "Orders.txa", crlf({"A"}));
  {
    TmuxSession& program = start();
    clickOn(program, "Remove Guids");
    clickOn(program, "Correct AT");
    ASSERT_TRUE(program.waitForText("[X] Correct AT")) << program.screen();
    ASSERT_TRUE(program.waitForText("[X] Remove Guids")) << program.screen();
    clickOn(program, "[ Browse");
    ASSERT_TRUE(waitForDialog(program, OpenTitle)) << program.screen();
    program.sendKeys({(folder_ / "exports" / "Orders.txa").string(), "Enter"});
    ASSERT_TRUE(program.waitForTextGone(OpenTitle)) << program.screen();
    expectImport(program, "/Orders.txa");
    closeWithTheButton(program);
  }

  TmuxSession& program = start();
  for (const char* box : {"[X] Remove Guids", "[X] Correct AT", "[ ] Remove Ordinals",
                          "[ ] Correct Hash Field", "[ ] Correct Window Font"}) {
    EXPECT_TRUE(program.waitForText(box)) << box << "\n" << program.screen();
  }
  // The files are not remembered, only where they were chosen.
  EXPECT_TRUE(shows(program.screen(), "Import Filename: Import.txa")) << program.screen();
  clickOn(program, "[ Browse");
  ASSERT_TRUE(waitForDialog(program, OpenTitle)) << program.screen();
  EXPECT_TRUE(program.waitForText("Folder: " + (folder_ / "exports").string())) << program.screen();
  program.sendKeys({"Escape"});
  ASSERT_TRUE(program.waitForTextGone(OpenTitle)) << program.screen();
  closeWithTheButton(program);
}

}  // namespace
}  // namespace tallowmere::testing
