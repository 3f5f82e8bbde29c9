#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/GlobalObjects.h"
#include "app/MainWindow.h"
#include "app/MainWindowControls.h"
#include "app/Program.h"
#include "framework/core/Globals.h"
#include "framework/core/Levels.h"
#include "support/SettingsFolder.h"
#include "support/TempDir.h"
#include "support/headless/HeadlessFrontEnd.h"
#include "txa/FileDeclarationsReset.h"

namespace tallowmere::app {
namespace {

namespace fs = std::filesystem;
using platform::inWindow;
using platform::press;
using testing::crlf;
using testing::readFile;
using testing::writeFile;

using namespace testing::MainControls;

const std::string Wrapped = crlf({"  BUTTON('Ok'),AT(10,10, |", "      40,14),USE(?Ok)"});
const std::string Joined = crlf({"  BUTTON('Ok'),AT(10,10,40,14),USE(?Ok)"});

// A screen whose system can show a file in its folder, as Windows' shell can.
class ShellScreen : public platform::HeadlessFrontEnd {
 public:
  bool canShowInFolder() const override { return true; }
  void showInFolder(const std::string& path) override { shown.push_back(path); }
  std::vector<std::string> shown;
};

class ChoosingFiles : public ::testing::Test {
 protected:
  ChoosingFiles() {
    testing::placeSettingsUnder(folder / "config");
    LOC_Options = {};
    fs::create_directory(folder / "exports");
  }
  ~ChoosingFiles() override { txa::testing::resetFileDeclarations(); }

  void onMain(runtime::Input input) { screen.script(inWindow(MainCaption), input); }
  const platform::WindowRecord& run(std::vector<std::string> imports = {}) {
    onMain(press(Close));
    {
      runtime::ScopedFrontEnd installed(screen);
      RunProgram([&] { MainWithImports(imports); });
    }
    return *screen.window(MainCaption);
  }
  std::string inExports(const std::string& name) const {
    return (folder / "exports" / name).string();
  }

  testing::TempDir folder{true};
  ShellScreen screen;
};

TEST_F(ChoosingFiles, BrowseChoosesTheImportAndTheExportFollowsIt) {
  writeFile(folder / "exports" / "Orders.txa", Wrapped);
  screen.answerFileChoice({inExports("Orders.txa")});
  onMain(press(BrowseImport));
  onMain(press(CorrectAT));
  onMain(press(Process));
  onMain(press(ShowExport));
  const platform::WindowRecord& main = run();

  ASSERT_EQ(screen.fileChoices().size(), 1u);
  EXPECT_EQ(screen.fileChoices()[0].purpose, runtime::FileChoice::Purpose::Open);
  EXPECT_EQ(main.lastText(ImportText), "Import Filename: " + inExports("Orders.txa"));
  EXPECT_EQ(main.lastText(ExportText), "Export Filename: " + inExports("Orders-C6.txa"));
  EXPECT_EQ(readFile(inExports("Orders-C6.txa")), Joined);
  EXPECT_EQ(readFile(inExports("Orders.txa")), Wrapped);
  EXPECT_FALSE(fs::exists(folder / "Export.txa"));
  EXPECT_EQ(main.lastText(Status), inExports("Orders.txa") + " \u2192 " +
                                       inExports("Orders-C6.txa") +
                                       ": 1 line written, 1 clause joined");
  EXPECT_TRUE(main.drawings.front().hidden.contains(ShowExport));
  EXPECT_FALSE(main.last()->hidden.contains(ShowExport));
  EXPECT_EQ(screen.shown, (std::vector<std::string>{inExports("Orders-C6.txa")}));
  EXPECT_TRUE(screen.messageBoxes().empty());
}

// The Save dialog's answer is the export; one that is the import itself, under another
// spelling, is refused before anything is written.
TEST_F(ChoosingFiles, AnExportThatIsTheImportIsRefusedAndNothingIsWritten) {
  writeFile(folder / "Import.txa", Wrapped);
  screen.answerFileChoice({(folder / "exports" / ".." / "Import.txa").string()});
  onMain(press(BrowseExport));
  onMain(press(CorrectAT));
  onMain(press(Process));
  const platform::WindowRecord& main = run();

  ASSERT_EQ(screen.fileChoices().size(), 1u);
  EXPECT_EQ(screen.fileChoices()[0].purpose, runtime::FileChoice::Purpose::Save);
  EXPECT_EQ(screen.fileChoices()[0].name, "Export.txa");
  EXPECT_EQ(readFile(folder / "Import.txa"), Wrapped);
  ASSERT_EQ(screen.messageBoxes().size(), 1u);
  // A file in the working folder goes by its name alone.
  EXPECT_EQ(screen.messageBoxes()[0].request.text, "The export Import.txa is the import itself.");
  EXPECT_EQ(main.lastText(Status), "Not converted: the export Import.txa is the import itself");
}

// Files given at start, or dropped: each into its own export, one notice at the end for
// those not converted wholly; the window stays open throughout.
TEST_F(ChoosingFiles, SeveralFilesAreConvertedOneAfterTheOtherWithOneNotice) {
  writeFile(folder / "exports" / "A.txa", Wrapped);
  writeFile(folder / "exports" / "B.txa", crlf({"plain"}));
  onMain(press(CorrectAT));
  onMain(press(Process));
  const platform::WindowRecord& main =
      run({inExports("A.txa"), inExports("Gone.txa"), inExports("B.txa")});

  EXPECT_EQ(main.lastText(ImportText), "Import Filename: " + inExports("A.txa") + " and 2 more");
  EXPECT_EQ(readFile(inExports("A-C6.txa")), Joined);
  EXPECT_EQ(readFile(inExports("B-C6.txa")), crlf({"plain"}));
  ASSERT_EQ(screen.messageBoxes().size(), 1u);
  EXPECT_EQ(screen.messageBoxes()[0].request.text,
            "Not converted wholly:|" + inExports("Gone.txa") + " is missing");
  EXPECT_EQ(main.lastText(Status),
            "2 files converted: 2 lines written, 1 clause joined; 1 not converted");
}

TEST_F(ChoosingFiles, AMissingImportIsSaidAndTheWindowStaysOpen) {
  onMain(press(Process));
  const platform::WindowRecord& main = run();
  ASSERT_EQ(screen.messageBoxes().size(), 1u);
  EXPECT_EQ(screen.messageBoxes()[0].request.caption, "Not Converted");
  EXPECT_EQ(screen.messageBoxes()[0].request.text, "Import.txa is missing.");
  EXPECT_EQ(main.lastText(Status), "Not converted: Import.txa is missing");
  EXPECT_EQ(framework::GlobalResponse, framework::RequestCompleted);
}

TEST_F(ChoosingFiles, DroppedFilesBecomeTheImportUnlessTheyCannotBe) {
  writeFile(folder / "exports" / "Orders.txa", Wrapped);
  writeFile(folder / "empty.txa", "");
  writeFile(folder / "picture.png", std::string("\x89PNG\0\0", 6));
  onMain(
      platform::filesGiven({(folder / "empty.txa").string(), (folder / "picture.png").string()}));
  onMain(platform::filesGiven({inExports("Orders.txa")}));
  const platform::WindowRecord& main = run();
  ASSERT_EQ(screen.messageBoxes().size(), 1u);
  EXPECT_EQ(screen.messageBoxes()[0].request.text,
            "empty.txa is empty: there is nothing to convert|"
            "picture.png is not a TXA file: it holds binary data");
  EXPECT_EQ(main.lastText(ImportText), "Import Filename: " + inExports("Orders.txa"));
}

TEST_F(ChoosingFiles, TheCorrectionsAndTheFolderAreRememberedForTheNextStart) {
  writeFile(folder / "exports" / "Orders.txa", Wrapped);
  screen.answerFileChoice({inExports("Orders.txa")});
  onMain(press(BrowseImport));
  onMain(press(CorrectAT));
  run();

  ShellScreen again;
  again.script(inWindow(MainCaption), press(BrowseImport));
  again.script(inWindow(MainCaption), press(Close));
  {
    runtime::ScopedFrontEnd installed(again);
    RunProgram(Main);
  }
  const platform::WindowRecord& main = *again.window(MainCaption);
  EXPECT_TRUE(main.drawings.front().checked.at(CorrectAT));
  EXPECT_FALSE(main.drawings.front().checked.at(1));
  EXPECT_EQ(main.lastText(ImportText), "Import Filename: Import.txa");
  ASSERT_EQ(again.fileChoices().size(), 1u);
  EXPECT_EQ(again.fileChoices()[0].folder, (folder / "exports").string());
}

}  // namespace
}  // namespace tallowmere::app
