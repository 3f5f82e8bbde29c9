// The terminal's file dialog without a terminal: keys, typed text and clicks on a real
// folder, and what the dialog comes to: a folder opened, paths taken, a message, or none.
#include <curses.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/terminal/FileDialog.h"
#include "platform/terminal/KeyCodes.h"
#include "support/TempDir.h"

namespace tallowmere::platform {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::writeFile;
using Kind = FileDialog::Outcome::Kind;
using Purpose = runtime::FileChoice::Purpose;

constexpr int ControlU = 21;  // clears the line

std::vector<std::string> namesIn(const FileDialog& dialog) {
  std::vector<std::string> names;
  for (const FolderEntry& entry : dialog.entries()) names.push_back(entry.name);
  return names;
}

class TerminalFileDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder_ / "exports" / "old");
    for (const char* name : {"Orders.txa", "Other.TXA", "notes.txt", ".hidden.txa"}) {
      writeFile(folder_ / "exports" / name, "A\r\n");
    }
    writeFile(folder_ / "Import.txa", "A\r\n");
  }

  // A dialog laid out on a screen of 100 x 30.
  FileDialog open(Purpose purpose, const fs::path& folder, const std::string& name = {},
                  bool several = false) {
    FileDialog dialog({purpose, "Choose", folder.string(), name, several});
    dialog.place({100, 30}, {{}, {100, 30}});
    return dialog;
  }

  std::string path(const std::string& relative) const { return (folder_ / relative).string(); }

  TempDir folder_;
};

TEST_F(TerminalFileDialog, ATypedNameIsCompletedWithTabAndTakenWithEnter) {
  FileDialog dialog = open(Purpose::Open, folder_.path());
  EXPECT_EQ(dialog.folder(), folder_.path());
  dialog.type("ex");
  dialog.key('\t');
  EXPECT_EQ(dialog.typed(), "exports/");
  EXPECT_EQ(dialog.folder(), folder_.path());
  // Two names begin with O: the dialog goes into the folder typed and shows the first.
  dialog.type("O");
  const FileDialog::Outcome ambiguous = dialog.key('\t');
  EXPECT_TRUE(ambiguous.bell);
  EXPECT_EQ(dialog.folder(), folder_ / "exports");
  EXPECT_EQ(dialog.typed(), "O");
  EXPECT_EQ(dialog.selected()->name, "Orders.txa");
  dialog.type("th");
  dialog.key('\t');
  EXPECT_EQ(dialog.typed(), "Other.TXA");  // TXA files in either case
  // Hidden names complete only when typed with their dot.
  dialog.key(ControlU);
  dialog.type(".h");
  dialog.key('\t');
  EXPECT_EQ(dialog.typed(), ".hidden.txa");

  // Names that part within a character are completed up to that character only.
  TempDir accents;
  writeFile(accents / "x\u00C4.txa", "A\r\n");
  writeFile(accents / "x\u00D6.txa", "A\r\n");
  FileDialog accented = open(Purpose::Open, accents.path());
  accented.type("x");
  EXPECT_TRUE(accented.key('\t').bell);
  EXPECT_EQ(accented.typed(), "x");

  dialog.key(ControlU);
  dialog.type("nothing.txa");
  const FileDialog::Outcome missing = dialog.key('\r');
  EXPECT_EQ(missing.kind, Kind::Stay);
  EXPECT_TRUE(missing.bell);
  EXPECT_EQ(dialog.message(), "No such file: nothing.txa");
  // A path as a terminal types a dropped file, quoted, from another folder.
  dialog.key(ControlU);
  dialog.type("'" + path("Import.txa") + "' ");
  const FileDialog::Outcome taken = dialog.key('\r');
  EXPECT_EQ(taken.kind, Kind::Take);
  EXPECT_EQ(taken.paths, std::vector<std::string>{path("Import.txa")});
  EXPECT_EQ(dialog.key(EscapeKey).kind, Kind::Cancel);
}

TEST_F(TerminalFileDialog, TheListGoesThroughFoldersAndShowsTheFilesChosen) {
  FileDialog dialog = open(Purpose::Open, folder_ / "exports");
  EXPECT_EQ(namesIn(dialog), (std::vector<std::string>{"..", "old", "Orders.txa", "Other.TXA"}));
  EXPECT_EQ(dialog.selected()->name, "Orders.txa");  // the first file
  dialog.key(KEY_DOWN);                              // from the line into the list
  dialog.key(KEY_DOWN);
  EXPECT_EQ(dialog.typed(), "Other.TXA");  // a file selected names itself in the line
  dialog.key(KEY_HOME);
  dialog.key('\r');
  EXPECT_EQ(dialog.folder(), folder_.path());
  EXPECT_EQ(dialog.selected()->name, "exports");  // the folder just left
  dialog.key('\r');
  dialog.key(KEY_BACKSPACE);
  EXPECT_EQ(dialog.folder(), folder_.path());

  dialog.key('\t');  // on to the choice of files
  dialog.key(' ');
  EXPECT_EQ(namesIn(dialog), (std::vector<std::string>{"..", "exports", "Import.txa"}));
  dialog.key(KEY_BTAB);  // back to the list, still on "exports"
  const FileDialog::Outcome entered = dialog.key('\r');
  EXPECT_EQ(entered.kind, Kind::Stay);
  EXPECT_EQ(namesIn(dialog),
            (std::vector<std::string>{"..", "old", "notes.txt", "Orders.txa", "Other.TXA"}));

  // A folder that goes away under the dialog is said in it, and ".." still leads out.
  fs::remove_all(folder_ / "exports");
  dialog.key('\t');
  dialog.key(' ');
  EXPECT_EQ(namesIn(dialog), std::vector<std::string>{".."});
  EXPECT_NE(dialog.message().find("This folder cannot be read: No such file"), std::string::npos)
      << dialog.message();
  dialog.key(KEY_BTAB);
  dialog.key('\r');
  EXPECT_EQ(dialog.folder(), folder_.path());
  EXPECT_EQ(dialog.message(), "");
  // A dialog asked to start in a folder that is gone starts in the nearest one there.
  EXPECT_EQ(open(Purpose::Open, folder_ / "exports" / "old").folder(), folder_.path());
}

TEST_F(TerminalFileDialog, SeveralFilesAreMarkedAndTakenTogether) {
  FileDialog dialog = open(Purpose::Open, folder_ / "exports", {}, true);
  dialog.key(KEY_DOWN);
  dialog.key(' ');  // marks Orders.txa and moves on
  dialog.key(' ');  // and Other.TXA
  dialog.key(KEY_UP);
  const FileDialog::Outcome taken = dialog.key('\r');
  EXPECT_EQ(taken.kind, Kind::Take);
  EXPECT_EQ(taken.paths,
            (std::vector<std::string>{path("exports/Orders.txa"), path("exports/Other.TXA")}));
}

TEST_F(TerminalFileDialog, SavingTakesANewNameInAFolderThatIsThere) {
  FileDialog dialog = open(Purpose::Save, folder_.path(), "Orders-C6.txa");
  EXPECT_EQ(dialog.typed(), "Orders-C6.txa");
  dialog.key(ControlU);
  dialog.type("missing/x.txa");
  EXPECT_TRUE(dialog.key('\r').bell);
  EXPECT_EQ(dialog.message(), "No such folder: " + path("missing"));
  // A folder typed is opened, and the name suggested comes back.
  dialog.key(ControlU);
  dialog.type("exports");
  EXPECT_EQ(dialog.key('\r').kind, Kind::Stay);
  EXPECT_EQ(dialog.folder(), folder_ / "exports");
  EXPECT_EQ(dialog.typed(), "Orders-C6.txa");
  const FileDialog::Outcome taken = dialog.key('\r');
  EXPECT_EQ(taken.kind, Kind::Take);
  EXPECT_EQ(taken.paths, std::vector<std::string>{path("exports/Orders-C6.txa")});
}

TEST_F(TerminalFileDialog, AClickSelectsAndAQuickSecondOneTakes) {
  FileDialog dialog = open(Purpose::Open, folder_ / "exports");
  // The list's first entry sits below the line, the folder and the list's top line.
  const CellPoint client = dialog.frame().clientOrigin();
  const auto entry = [&](int index) {
    return CellPoint{client.column + 5, client.row + 3 + index};
  };
  EXPECT_EQ(dialog.press(entry(3), 100).kind, Kind::Stay);
  EXPECT_EQ(dialog.typed(), "Other.TXA");
  // Too slow for a double click, then on another entry: still only selecting.
  EXPECT_EQ(dialog.press(entry(3), 200).kind, Kind::Stay);
  EXPECT_EQ(dialog.press(entry(2), 210).kind, Kind::Stay);
  const FileDialog::Outcome taken = dialog.press(entry(2), 230);
  EXPECT_EQ(taken.kind, Kind::Take);
  EXPECT_EQ(taken.paths, std::vector<std::string>{path("exports/Orders.txa")});

  dialog.press(entry(1), 300);
  dialog.press(entry(1), 301);
  EXPECT_EQ(dialog.folder(), folder_ / "exports" / "old");
  EXPECT_EQ(dialog.press(dialog.frame().closeBox().origin, 400).kind, Kind::Cancel);
}

}  // namespace
}  // namespace tallowmere::platform
