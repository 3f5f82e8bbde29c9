// The terminal front end's layout and clicks, without a terminal: where windows, controls
// and message boxes land in cells, how the progress bar and message texts are drawn.
#include <gtest/gtest.h>

#include "app/MainWindow.h"
#include "platform/common/ProgressBarText.h"
#include "platform/terminal/CellGeometry.h"
#include "platform/terminal/ControlLayout.h"
#include "platform/terminal/MessageBoxDialog.h"
#include "platform/terminal/TextWrap.h"
#include "platform/terminal/WindowFrame.h"
#include "runtime/ui/Window.h"

namespace tallowmere::platform {
namespace {

using runtime::ControlKind;

std::size_t codePoints(const std::string& utf8) {
  std::size_t count = 0;
  for (unsigned char byte : utf8) count += (byte & 0xC0) != 0x80;
  return count;
}

TEST(TerminalGeometry, WindowsGetTheirCellSizesAndStayOnScreen) {
  EXPECT_EQ(clientSize(245, 147), (CellSize{61, 18}));
  EXPECT_EQ(clientSize(142, 59), (CellSize{35, 7}));
  EXPECT_EQ(outerSize({61, 18}), (CellSize{63, 20}));

  const CellSize screen{100, 30};
  EXPECT_EQ(centredOver({{}, screen}, {63, 20}), (CellPoint{18, 5}));
  EXPECT_EQ(clampedOnto({500, 500}, {63, 20}, screen), (CellPoint{37, 10}));
  EXPECT_EQ(clampedOnto({-3, -1}, {63, 20}, screen), (CellPoint{0, 0}));
  // Larger than the screen: the title bar stays reachable.
  EXPECT_EQ(clampedOnto({5, 5}, {63, 20}, {40, 10}), (CellPoint{0, 0}));
  // A position just off the left edge is off screen, not at column 0.
  EXPECT_EQ(cellsFor({-1, -1}), (CellPoint{-1, -1}));
  EXPECT_EQ(dialogUnitsFor(cellsFor({148, 80})), (runtime::Point{148, 80}));
}

TEST(TerminalGeometry, RestoredPositionOffScreenIsShownInside) {
  runtime::WindowDescription design = app::MainWindowDescription();
  design.position = runtime::Point{4000, 4000};
  runtime::Window window(design);
  const WindowFrame frame = WindowFrame::of(window, {100, 30});
  EXPECT_EQ(frame.outer.origin, (CellPoint{37, 10}));
  EXPECT_EQ(frame.closeBox().origin, (CellPoint{37 + 63 - 4, 10}));
  EXPECT_EQ(frame.clientOrigin(), (CellPoint{38, 11}));
}

TEST(TerminalControlLayout, ControlsKeepTheirWholeTextsInsideTheWindow) {
  runtime::Window window(app::MainWindowDescription());
  const std::vector<PlacedControl> placed = layOutControls(window);
  ASSERT_EQ(placed.size(), 9u);

  EXPECT_EQ(placed[0].label, "[ ] Remove Ordinals");
  EXPECT_EQ(placed[0].area.origin, (CellPoint{3, 1}));
  // At column 36 the text would run past the 61 columns: it moves left, uncut.
  EXPECT_EQ(placed[1].label, "Import Filename: Import.txa");
  EXPECT_EQ(placed[1].area.right(), 60);
  EXPECT_EQ(placed[3].area.origin.row, 2);
  EXPECT_EQ(placed[7].label, "[ Process ]");
  EXPECT_EQ(placed[7].area.origin, (CellPoint{3, 15}));
  EXPECT_EQ(placed[8].area.origin.column, 49);

  runtime::ControlDescription wide;
  wide.kind = ControlKind::FixedText;
  wide.text = std::string(80, 'w');
  EXPECT_EQ(layOutControl(runtime::Control(wide), {61, 18}).label.size(), 61u);
}

TEST(TerminalControlLayout, ClicksHitOnlyUsableControls) {
  runtime::Window window(app::MainWindowDescription());
  EXPECT_EQ(controlAt(window, {3, 1}), 1);
  EXPECT_EQ(controlAt(window, {21, 1}), 1);  // the last letter of the label
  EXPECT_EQ(controlAt(window, {22, 1}), 0);
  EXPECT_EQ(controlAt(window, {40, 1}), 0);  // a fixed text
  EXPECT_EQ(controlAt(window, {5, 15}), 8);
  window.setEnabled(8, false);
  EXPECT_EQ(controlAt(window, {5, 15}), 0);
}

TEST(TerminalProgressBar, FillsInProportionInBothGlyphSets) {
  EXPECT_EQ(progressBarText(0, 10, Glyphs::Ascii), "..........");
  EXPECT_EQ(progressBarText(50, 10, Glyphs::Ascii), "#####.....");
  EXPECT_EQ(progressBarText(100, 10, Glyphs::Ascii), "##########");
  EXPECT_EQ(progressBarText(250, 10, Glyphs::Ascii), "##########");
  EXPECT_EQ(progressBarText(-5, 10, Glyphs::Ascii), "..........");

  for (int value : {0, 1, 37, 50, 99, 100}) {
    EXPECT_EQ(codePoints(progressBarText(value, 27, Glyphs::Unicode)), 27u) << value;
  }
  // Half of 27 cells: 13 full cells, then a half cell.
  const std::string half = progressBarText(50, 27, Glyphs::Unicode);
  std::string expected;
  for (int i = 0; i < 13; ++i) expected += "\u2588";
  expected += "\u258C";
  for (int i = 0; i < 13; ++i) expected += "\u2591";
  EXPECT_EQ(half, expected);
}

TEST(TerminalMessageText, LongLinesWrapAtBlanks) {
  EXPECT_EQ(wrapMessageText("one|two", 40), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(wrapMessageText("the quick brown fox", 10),
            (std::vector<std::string>{"the quick", "brown fox"}));
  EXPECT_EQ(wrapMessageText("abcdefghijkl", 5), (std::vector<std::string>{"abcde", "fghij", "kl"}));
  const std::string fatal =
      "File Import.txa could not be opened.  Error: File Not Found (2).  Press OK to end this "
      "application";
  for (const std::string& line : wrapMessageText(fatal, 30)) EXPECT_LE(line.size(), 30u) << line;
}

runtime::MessageBoxRequest question(int defaultButton) {
  return {"Are you sure?", "Question", runtime::Icon::Warning,
          runtime::Button::Yes + runtime::Button::No, defaultButton};
}

TEST(TerminalMessageBox, IsPlacedOnScreenAndAnswersClicks) {
  MessageBoxDialog box(question(runtime::Button::Yes));
  const CellSize screen{100, 30};
  box.place(screen, {{80, 25}, {63, 20}});  // over a window hanging off the bottom right
  const CellRect outer = box.frame().outer;
  EXPECT_LE(outer.right(), 100);
  EXPECT_LE(outer.bottom(), 30);
  EXPECT_EQ(box.answerClick(box.frame().closeBox().origin), runtime::Button::No);
  EXPECT_EQ(box.answerClick(outer.origin), std::nullopt);

  // The buttons sit centred on the last client row: "[ Yes ]  [ No ]".
  const int row = outer.bottom() - 2;
  const int first = outer.origin.column + 1 + (outer.size.columns - 2 - 15) / 2;
  EXPECT_EQ(box.answerClick({first, row}), runtime::Button::Yes);
  EXPECT_EQ(box.answerClick({first + 9, row}), runtime::Button::No);
  EXPECT_EQ(box.answerClick({first + 7, row}), std::nullopt);

  MessageBoxDialog narrow({std::string(200, 'x'), "Long"});
  narrow.place({40, 20}, {{}, {40, 20}});
  EXPECT_LE(narrow.frame().outer.size.columns, 40);
}

}  // namespace
}  // namespace tallowmere::platform
