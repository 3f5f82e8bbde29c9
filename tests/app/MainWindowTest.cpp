#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>
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

namespace tallowmere::app {
namespace {

using platform::closeWindow;
using platform::HeadlessFrontEnd;
using platform::inWindow;
using platform::press;
using testing::crlf;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

using testing::MainControls::Close;
using testing::MainControls::MainCaption;
using testing::MainControls::Process;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settingsFolder = testing::placeSettingsUnder(folder / "config");
    LOC_Options = {};
  }

  void onMain(runtime::Input input) { screen.script(inWindow(MainCaption), input); }
  void run() {
    runtime::ScopedFrontEnd installed(screen);
    RunProgram(Main);
  }
  // The operation names of the progress windows, in the order they opened.
  std::vector<std::string> passesRun() const {
    std::vector<std::string> names;
    for (const platform::WindowRecord& window : screen.windows()) {
      if (window.captionAtOpen != MainCaption) names.push_back(window.lastText(2));
    }
    return names;
  }

  TempDir folder{true};
  std::filesystem::path settingsFolder;
  HeadlessFrontEnd screen;
};

TEST_F(MainWindowTest, ShowsItsDesignWithAllOptionsClear) {
  onMain(press(Close));
  run();
  const platform::WindowRecord* main = screen.window(MainCaption);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->width, 300);
  EXPECT_EQ(main->height, 147);
  EXPECT_EQ(main->font.name, "Tahoma");
  EXPECT_EQ(main->font.size, 9);
  ASSERT_NE(main->last(), nullptr);
  const auto focused = std::find_if(main->drawings.begin(), main->drawings.end(),
                                    [](const auto& drawing) { return drawing.focus != 0; });
  ASSERT_NE(focused, main->drawings.end());
  EXPECT_EQ(focused->focus, 1);
  for (int box : {1, 3, 5, 6, 7}) EXPECT_FALSE(main->drawings.front().checked.at(box)) << box;
  EXPECT_EQ(main->lastText(2), "Import Filename: Import.txa");
  EXPECT_EQ(main->lastText(4), "Export Filename: Export.txa");
  EXPECT_EQ(main->lastText(8), "Process");
  EXPECT_EQ(main->lastText(9), "Close");
  EXPECT_EQ(framework::GlobalResponse, framework::RequestCompleted);
}

TEST_F(MainWindowTest, ProcessRunsTheTickedPassesInTheirFixedOrder) {
  writeFile(folder / "Import.txa",
            crlf({"A,#ORDINAL(1)", "!!> GUID('11111111-2222-3333-4444-555555555555')"}));
  onMain(press(1));  // Remove Ordinals
  onMain(press(7));  // Correct AT
  onMain(press(5));  // Remove Guids
  onMain(press(Process));
  onMain(press(Close));
  run();
  EXPECT_EQ(passesRun(),
            (std::vector<std::string>{"Importing TXA File", "Removing Guids", "Removing Ordinals",
                                      "Correcting AT", "Exporting TXA File"}));
  EXPECT_EQ(readFile(folder / "Export.txa"), crlf({"A", "!!> Ident(4294967295)"}));
  EXPECT_EQ(LOC_Options.RemoveOrdinals, 1);
  EXPECT_EQ(LOC_Options.CorrectHashField, 0);
  EXPECT_TRUE(screen.messageBoxes().empty());
}

TEST_F(MainWindowTest, ASecondProcessConvertsTheInputAgainWithoutDoubling) {
  writeFile(folder / "Import.txa", crlf({"one", "two"}));
  onMain(press(Process));
  onMain(press(Process));
  onMain(press(Close));
  run();
  EXPECT_EQ(passesRun().size(), 4u);
  EXPECT_EQ(readFile(folder / "Export.txa"), crlf({"one", "two"}));
}

TEST_F(MainWindowTest, EmptyInputReportsNoRecordsForEachPass) {
  writeFile(folder / "Import.txa", "");
  onMain(press(3));
  onMain(press(Process));
  onMain(press(Close));
  run();
  ASSERT_EQ(screen.messageBoxes().size(), 3u);
  for (const platform::MessageBoxRecord& box : screen.messageBoxes()) {
    EXPECT_EQ(box.request.caption, "No Records");
    EXPECT_EQ(box.request.text, "There are no records available to process.");
  }
  EXPECT_EQ(readFile(folder / "Export.txa"), "");
}

TEST_F(MainWindowTest, PlacementIsSavedAtCloseAndRestoredAtTheNextStart) {
  onMain(platform::moveTo({12, 34}));
  onMain(press(Close));
  run();
  const std::string saved = readFile(settingsFolder / "Tallowmere.INI");
  EXPECT_NE(saved.find("[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=12\r\nYPos=34\r\n"),
            std::string::npos)
      << saved;
  EXPECT_EQ(saved.find("Width"), std::string::npos);

  HeadlessFrontEnd again;
  again.script(inWindow(MainCaption), press(Close));
  runtime::ScopedFrontEnd installed(again);
  RunProgram(Main);
  EXPECT_NE(readFile(settingsFolder / "Tallowmere.INI").find("XPos=12\r\nYPos=34"),
            std::string::npos);
}

// The main window cannot be maximized; a settings file that says it was must not stop its
// position from being saved from then on.
TEST_F(MainWindowTest, AStoredMaximizeDoesNotStopThePlacementFromBeingSaved) {
  std::filesystem::create_directories(settingsFolder);
  writeFile(settingsFolder / "Tallowmere.INI", "[Main]\r\nMaximize=Yes\r\nMinimize=No\r\n");
  onMain(platform::moveTo({12, 34}));
  onMain(press(Close));
  run();
  EXPECT_NE(readFile(settingsFolder / "Tallowmere.INI")
                .find("[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=12\r\nYPos=34\r\n"),
            std::string::npos);
}

TEST_F(MainWindowTest, ClosingOtherThanByCloseIsCancelled) {
  onMain(closeWindow());
  run();
  EXPECT_EQ(framework::GlobalResponse, framework::RequestCancelled);
}

// Lines cut at 500 characters are named in the notice after Process, alone under a caption
// of their own, or before the clauses kept as read.
TEST_F(MainWindowTest, LinesCutAt500CharactersAreNamedInTheNotice) {
  writeFile(folder / "Import.txa", std::string(600, 'a') + "\nb\n");
  onMain(press(Process));
  onMain(press(Close));
  run();
  ASSERT_EQ(screen.messageBoxes().size(), 1u);
  const runtime::MessageBoxRequest& alone = screen.messageBoxes()[0].request;
  EXPECT_EQ(alone.caption, "Lines Cut");
  EXPECT_EQ(alone.text,
            "1 line was longer than 500 characters; only its first 500 are kept:|"
            "line 1: the file's lines seem to end in LF only");

  std::vector<std::string> lines(7, std::string(501, 'w'));
  lines.push_back("X,AT(1, |");
  writeFile(folder / "Import.txa", crlf(lines));
  HeadlessFrontEnd again;
  again.script(inWindow(MainCaption), press(7));
  again.script(inWindow(MainCaption), press(Process));
  again.script(inWindow(MainCaption), press(Close));
  {
    runtime::ScopedFrontEnd installed(again);
    RunProgram(Main);
  }
  ASSERT_EQ(again.messageBoxes().size(), 1u);
  const runtime::MessageBoxRequest& both = again.messageBoxes()[0].request;
  EXPECT_EQ(both.caption, "Corrections Not Applied");
  EXPECT_EQ(both.text,
            "7 lines were longer than 500 characters; only their first 500 are kept:|"
            "line 1|line 2|line 3|line 4|line 5|and 2 more.|"
            "1 wrapped clause was not joined; its lines stay as read:|"
            "line 8, ,AT( the data ended with the clause open");
}

// Time moves only as the progress display changes, so where a pass is cancelled does not
// depend on the machine's speed.
class CancellingFrontEnd : public HeadlessFrontEnd {
 public:
  explicit CancellingFrontEnd(std::string operation) : operation_(std::move(operation)) {}

  void drawWindow(const runtime::Window& window) override {
    HeadlessFrontEnd::drawWindow(window);
    if (window.caption() == "Processing Records") virtualClock().advance(10);
  }
  std::optional<runtime::Input> waitForInput(runtime::Window& active,
                                             std::optional<runtime::Hundredths> deadline) override {
    if (!cancelled_ && active.text(2) == operation_ && active.timerEvents() >= 1) {
      cancelled_ = true;
      return press(4);
    }
    return HeadlessFrontEnd::waitForInput(active, deadline);
  }

 private:
  std::string operation_;
  bool cancelled_ = false;
};

TEST_F(MainWindowTest, CancellingWhileAClauseIsHeldKeepsEveryLine) {
  // An open clause from line 50 on that a cancel interrupts long before it would have to
  // give up on its own at 500 characters.
  std::vector<std::string> lines;
  for (int i = 0; i < 49; ++i) lines.push_back("plain " + std::to_string(i));
  lines.push_back("X,AT(1, |");
  for (int i = 0; i < 950; ++i) lines.push_back(" a |");
  writeFile(folder / "Import.txa", crlf(lines));

  CancellingFrontEnd cancelling("Correcting AT");
  cancelling.script(inWindow(MainCaption), press(7));
  cancelling.script(inWindow(MainCaption), press(Process));
  cancelling.script(inWindow(MainCaption), press(Close));
  {
    runtime::ScopedFrontEnd installed(cancelling);
    RunProgram(Main);
  }
  const platform::WindowRecord* correcting = nullptr;
  for (const platform::WindowRecord& window : cancelling.windows()) {
    if (window.lastText(2) == "Correcting AT") correcting = &window;
  }
  ASSERT_NE(correcting, nullptr);
  const std::string stoppedAt = correcting->lastText(3);
  EXPECT_LT(std::stoi(stoppedAt), 30) << stoppedAt;
  EXPECT_EQ(readFile(folder / "Export.txa"), crlf(lines));
  // After Process one notice says both that the pass was cancelled and which clause was
  // left as read, and why.
  ASSERT_EQ(cancelling.messageBoxes().size(), 1u);
  const runtime::MessageBoxRequest& notice = cancelling.messageBoxes()[0].request;
  EXPECT_EQ(notice.caption, "Conversion Incomplete");
  EXPECT_EQ(notice.icon, runtime::Icon::Information);
  EXPECT_TRUE(std::regex_match(
      notice.text, std::regex("Correct AT was cancelled: it corrected only the first [0-9]+ of "
                              "the 1,000 lines\\.\\|"
                              "1 wrapped clause was not joined; its lines stay as read:\\|"
                              "line 50, ,AT\\( the pass was cancelled")))
      << notice.text;
}

// Cancelling a pass leaves an output that looks finished; after the export one notice says
// which pass was cancelled and what the output holds because of it.
TEST_F(MainWindowTest, ACancelledPassIsNamedInANoticeAfterTheExport) {
  constexpr int Lines = 20000;
  writeFile(folder / "Import.txa", crlf(std::vector<std::string>(Lines, "A,AT(1,2)")));
  // Counts are grouped by thousands; the first match is the count the pass went through.
  const std::string first = "only the first ([0-9]{1,3}(,[0-9]{3})*)";
  const std::string ofAll = " of the 20,000 lines\\.";
  struct Case {
    std::string operation;
    std::string text;
  };
  const std::filesystem::path settings = settingsFolder / "Tallowmere.INI";
  for (const Case& cancelled : {
           Case{"Importing TXA File", "The import was cancelled: Export\\.txa was made from " +
                                          first + " lines of Import\\.txa\\."},
           Case{"Correcting AT", "Correct AT was cancelled: it corrected " + first + ofAll},
           Case{"Exporting TXA File",
                "The export was cancelled: Export\\.txa holds " + first + ofAll},
       }) {
    // Each case starts as a first run, not with the corrections the case before ticked.
    std::filesystem::remove(settings);
    LOC_Options = {};
    CancellingFrontEnd cancelling(cancelled.operation);
    cancelling.script(inWindow(MainCaption), press(7));
    cancelling.script(inWindow(MainCaption), press(Process));
    cancelling.script(inWindow(MainCaption), press(Close));
    {
      runtime::ScopedFrontEnd installed(cancelling);
      RunProgram(Main);
    }
    ASSERT_EQ(cancelling.messageBoxes().size(), 1u) << cancelled.operation;
    const runtime::MessageBoxRequest& notice = cancelling.messageBoxes().front().request;
    EXPECT_EQ(notice.caption, "Conversion Incomplete");
    EXPECT_EQ(notice.icon, runtime::Icon::Information);
    EXPECT_EQ(notice.buttons, runtime::Button::OK);
    std::smatch match;
    ASSERT_TRUE(std::regex_match(notice.text, match, std::regex(cancelled.text))) << notice.text;
    std::string taken = match[1];
    std::erase(taken, ',');
    EXPECT_GT(std::stoi(taken), 0) << notice.text;
    EXPECT_LT(std::stoi(taken), Lines) << notice.text;
    if (cancelled.operation != "Correcting AT") {
      EXPECT_EQ(readFile(folder / "Export.txa").size() / 11, std::stoul(taken)) << notice.text;
    }
  }
}

}  // namespace
}  // namespace tallowmere::app
