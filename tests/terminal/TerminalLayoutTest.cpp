// The terminal front end's layout and clicks, without a terminal: where windows, controls
// and message boxes land in cells, how the progress bar and message texts are drawn.
#include <gtest/gtest.h>

#include "app/MainWindow.h"
#include "platform/common/ProgressBarText.h"
#include "platform/terminal/CellGeometry.h"
#include "platform/terminal/CellText.h"
#include "platform/terminal/ControlLayout.h"
#include "platform/terminal/MessageBoxDialog.h"
#include "platform/terminal/TextWrap.h"
#include "platform/terminal/WindowFrame.h"
#include "runtime/ui/Window.h"
#include "terminal/ScopedLocale.h"

namespace tallowmere::platform {
namespace {

using runtime::ControlKind;

std::size_t codePoints(const std::string& utf8) {
  std::size_t count = 0;
  for (unsigned char byte : utf8) count += (byte & 0xC0) != 0x80;
  return count;
}

TEST(TerminalGeometry, WindowsGetTheirCellSizesAndStayOnScreen) {
  EXPECT_EQ(clientSize(300, 147), (CellSize{75, 18}));
  EXPECT_EQ(clientSize(142, 59), (CellSize{35, 7}));
  EXPECT_EQ(outerSize({75, 18}), (CellSize{77, 20}));

  const CellSize screen{100, 30};
  EXPECT_EQ(centredOver({{}, screen}, {77, 20}), (CellPoint{11, 5}));
  EXPECT_EQ(clampedOnto({500, 500}, {77, 20}, screen), (CellPoint{23, 10}));
  EXPECT_EQ(clampedOnto({-3, -1}, {77, 20}, screen), (CellPoint{0, 0}));
  // Larger than the screen: the title bar stays reachable.
  EXPECT_EQ(clampedOnto({5, 5}, {77, 20}, {40, 10}), (CellPoint{0, 0}));
  // A position just off the left edge is off screen, not at column 0.
  EXPECT_EQ(cellsFor({-1, -1}), (CellPoint{-1, -1}));
  EXPECT_EQ(dialogUnitsFor(cellsFor({148, 80})), (runtime::Point{148, 80}));
}

TEST(TerminalGeometry, RestoredPositionOffScreenIsShownInside) {
  runtime::WindowDescription design = app::MainWindowDescription();
  design.position = runtime::Point{4000, 4000};
  runtime::Window window(design);
  const WindowFrame frame = WindowFrame::of(window, {100, 30});
  EXPECT_EQ(frame.outer.origin, (CellPoint{23, 10}));
  EXPECT_EQ(frame.closeBox().origin, (CellPoint{23 + 77 - 4, 10}));
  EXPECT_EQ(frame.clientOrigin(), (CellPoint{24, 11}));
}

TEST(TerminalControlLayout, ControlsKeepTheirWholeTextsInsideTheWindow) {
  const ScopedLocale utf8;
  runtime::Window window(app::MainWindowDescription());
  const std::vector<PlacedControl> placed = layOutControls(window);
  // "Show in Folder" is hidden until a conversion has written its export.
  ASSERT_EQ(placed.size(), 12u);
  for (const PlacedControl& control : placed) EXPECT_NE(control.control->number(), 13);

  EXPECT_EQ(placed[0].label, "[ ] Remove Ordinals");
  EXPECT_EQ(placed[0].area.origin, (CellPoint{3, 1}));
  // The file names have their designed 35 cells, short of the Browse buttons beside them.
  EXPECT_EQ(placed[1].label, "Import Filename: Import.txa");
  EXPECT_EQ(placed[1].area.origin, (CellPoint{27, 1}));
  EXPECT_EQ(placed[1].area.right(), 62);
  EXPECT_EQ(placed[3].area.origin, (CellPoint{27, 2}));
  EXPECT_EQ(placed[7].label, "[ Process ]");
  // Taller than a text line, the buttons sit on the row of their middle.
  EXPECT_EQ(placed[7].area.origin, (CellPoint{3, 16}));
  EXPECT_EQ(placed[8].area.origin, (CellPoint{62, 16}));
  for (std::size_t browse : {9u, 10u}) {
    EXPECT_EQ(placed[browse].label, "[ Browse\u2026 ]");
    EXPECT_EQ(placed[browse].area.size.columns, 11);
    EXPECT_EQ(placed[browse].area.origin, (CellPoint{63, static_cast<int>(browse) - 8}));
  }
  EXPECT_EQ(placed[11].area.origin, (CellPoint{3, 10}));
  EXPECT_EQ(placed[11].area.size.columns, 70);

  runtime::ControlDescription wide;
  wide.kind = ControlKind::FixedText;
  wide.text = std::string(80, 'w');
  EXPECT_EQ(layOutControl(runtime::Control(wide), {61, 18}).label.size(), 61u);
}

// A file name too long for its place keeps its start and its last part with an ellipsis
// between them; the status line keeps its start; both take their designed width exactly.
TEST(TerminalControlLayout, LongTextsAreShortenedWithAnEllipsisToTheirDesignedWidth) {
  const ScopedLocale utf8;
  runtime::Window window(app::MainWindowDescription());
  window.setText(2, "Import Filename: /home/someone/exports/2024/march/Orders.txa");
  window.setText(12, "Orders.txa \u2192 Orders-C6.txa: " + std::string(80, '9') + " lines written");
  const std::vector<PlacedControl> placed = layOutControls(window);
  EXPECT_EQ(placed[1].label, "Import Filename: /home/\u2026/Orders.txa");
  EXPECT_EQ(placed[11].label,
            "Orders.txa \u2192 Orders-C6.txa: " + std::string(41, '9') + "\u2026");
  for (std::size_t text : {1u, 11u}) {
    EXPECT_EQ(cellsOf(placed[text].label), placed[text].area.size.columns) << text;
  }
}

TEST(TerminalControlLayout, ClicksHitOnlyUsableControls) {
  runtime::Window window(app::MainWindowDescription());
  EXPECT_EQ(controlAt(window, {3, 1}), 1);
  EXPECT_EQ(controlAt(window, {21, 1}), 1);  // the last letter of the label
  EXPECT_EQ(controlAt(window, {22, 1}), 0);
  EXPECT_EQ(controlAt(window, {40, 1}), 0);  // a fixed text
  EXPECT_EQ(controlAt(window, {65, 1}), 10);
  EXPECT_EQ(controlAt(window, {65, 2}), 11);
  EXPECT_EQ(controlAt(window, {5, 16}), 8);
  window.setEnabled(8, false);
  EXPECT_EQ(controlAt(window, {5, 16}), 0);
  // "Show in Folder", hidden, is not there to be clicked until it is shown.
  EXPECT_EQ(controlAt(window, {5, 12}), 0);
  window.setVisible(13, true);
  EXPECT_EQ(controlAt(window, {5, 12}), 13);
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
