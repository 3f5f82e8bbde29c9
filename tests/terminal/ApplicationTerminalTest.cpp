// The real program in a tmux pane, used as a person at a terminal uses it: its main window,
// a conversion, the message boxes of an empty and of a missing input, Cancel, and the
// remembered placement. Every case has its own working and configuration folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/BinaryRun.h"
#include "support/TempDir.h"
#include "support/TestText.h"
#include "terminal/ProgramInTmux.h"
#include "terminal/TmuxSession.h"

namespace tallowmere::testing {
namespace {

using Cell = TmuxSession::Cell;
using std::chrono::milliseconds;

const std::string ProgressCaption = "Processing Records";

// The text of count lines of one character each.
std::string shortLines(long count) {
  std::string text;
  text.reserve(static_cast<std::size_t>(count) * 3);
  for (long i = 0; i < count; ++i) text += "x\r\n";
  return text;
}

// Every element of seen occurs in run, in the same order.
bool isInOrderWithin(const std::vector<std::string>& seen, const std::vector<std::string>& run) {
  auto next = run.begin();
  for (const std::string& name : seen) {
    next = std::find(next, run.end(), name);
    if (next == run.end()) return false;
    ++next;
  }
  return true;
}

class ApplicationTerminal : public ProgramInTmux {
 protected:
  // Follows a conversion from its start until finished() holds with no progress window left,
  // and gives the operations its progress windows named, in the order they were seen. A
  // window can come and go between two looks at the screen on a busy machine, so callers
  // compare with isInOrderWithin.
  using Finished = std::function<bool(const std::vector<std::string>& seen)>;
  static std::vector<std::string> followPipeline(const TmuxSession& program,
                                                 const Finished& finished) {
    std::vector<std::string> seen;
    const bool ended = program.waitForScreen(
        [&](const std::string& screen) {
          if (!shows(screen, ProgressCaption)) return finished(seen);
          for (const std::string& operation : everyPass()) {
            if (shows(screen, operation) && (seen.empty() || seen.back() != operation)) {
              seen.push_back(operation);
            }
          }
          return false;
        },
        milliseconds(20000));
    EXPECT_TRUE(ended) << program.screen();
    return seen;
  }

  // The notice that follows a conversion in which a pass was cancelled: it names the pass,
  // and Enter takes it away.
  static void acknowledgeNotice(const TmuxSession& program, const std::string& pass) {
    ASSERT_TRUE(program.waitForText("Conversion Incomplete")) << program.screen();
    EXPECT_TRUE(shows(program.screen(), pass)) << program.screen();
    program.sendKeys({"Enter"});
    EXPECT_TRUE(program.waitForTextGone("Conversion Incomplete")) << program.screen();
  }
};

TEST_F(ApplicationTerminal, MainWindowShowsEveryControlClearAtItsPlace) {
  TmuxSession& program = start();
  const auto client = clientOrigin(program);
  ASSERT_TRUE(client) << program.screen();
  const auto caption = program.find(MainCaption);
  ASSERT_TRUE(caption);
  EXPECT_EQ(caption->row, client->row - 1);

  // Cells into the client area: the dialog units over 4 and 8.
  struct Placed {
    std::string text;
    int column;
    int row;
  };
  for (const Placed& box : std::vector<Placed>{{"[ ] Remove Ordinals", 3, 1},
                                               {"[ ] Correct Hash Field", 3, 2},
                                               {"[ ] Remove Guids", 3, 4},
                                               {"[ ] Correct Window Font", 3, 5},
                                               {"[ ] Correct AT", 3, 7}}) {
    const auto at = program.find(box.text);
    ASSERT_TRUE(at) << box.text << "\n" << program.screen();
    EXPECT_EQ(at->column, client->column + box.column) << box.text;
    EXPECT_EQ(at->row, client->row + box.row) << box.text;
  }
  // A button's label lies within its 45 dialog units (11 cells), on the row of the middle
  // of its 14; a Browse button, 40 units wide and 12 high, beside its file name. Every
  // button is found once.
  struct Button {
    std::string text;
    int column;
    int row;
    int cells;
  };
  const std::string browse = "[ Browse\u2026 ]";
  for (const Button& button :
       std::vector<Button>{{"[ Process ]", 3, 16, 11}, {"[ Close ]", 62, 16, 11}}) {
    const auto at = program.find(button.text);
    ASSERT_TRUE(at) << button.text << "\n" << program.screen();
    EXPECT_GE(at->column, client->column + button.column) << button.text;
    EXPECT_LE(at->column + static_cast<int>(button.text.size()),
              client->column + button.column + button.cells)
        << button.text;
    EXPECT_EQ(at->row, client->row + button.row) << button.text;
  }
  const std::vector<Cell> browseButtons = program.findAll(browse);
  ASSERT_EQ(browseButtons.size(), 2u) << program.screen();
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(browseButtons[i].column, client->column + 63) << i;
    EXPECT_EQ(browseButtons[i].row, client->row + 1 + i) << i;
  }
  EXPECT_EQ(program.findAll("[ ]").size(), 5u) << program.screen();
  EXPECT_FALSE(shows(program.screen(), "[X]"));
  EXPECT_FALSE(shows(program.screen(), "Show in Folder"));
  EXPECT_TRUE(shows(program.screen(), ">[ ] Remove Ordinals"));

  // The file names stay whole, on their rows, in their 35 cells between the check boxes
  // and the Browse buttons.
  for (const auto& [text, row] : {std::pair<std::string, int>{"Import Filename: Import.txa", 1},
                                  {"Export Filename: Export.txa", 2}}) {
    const auto at = program.find(text);
    ASSERT_TRUE(at) << text << "\n" << program.screen();
    EXPECT_EQ(at->row, client->row + row) << text;
    EXPECT_EQ(at->column, client->column + 27) << text;
    EXPECT_LE(at->column + static_cast<int>(text.size()), client->column + 27 + 35) << text;
  }
  // Nothing was processed yet: the status line under the files is empty.
  EXPECT_EQ(program.lines().at(client->row + 10).find_first_not_of(" \u2502"), std::string::npos)
      << program.screen();
  closeWithTheButton(program);
}

TEST_F(ApplicationTerminal, TickedOptionsConvertTheImportIntoTheExport) {
  // One case per correction; "Correct Window Font" stays off, so its clause stays split.
  writeFile(folder_ / "Import.txa",
            crlf({"!!> GUID('11111111-2222-3333-4444-555555555555') REST", "NAME,#ORDINAL(3)",
                  "  #FIELD(A, |", "      B, |", "      C)", "  A('B'),FONT('C',8, |", "      D),E",
                  "  A('B'),AT(10,10, |", "      40,14),C", "TAB\tTRAILING   "}));
  TmuxSession& program = start();

  program.sendKeys({"Space"});  // the focus starts on "Remove Ordinals"
  ASSERT_TRUE(program.waitForText(">[X] Remove Ordinals")) << program.screen();
  program.sendKeys({"Tab", "Space"});
  ASSERT_TRUE(program.waitForText(">[X] Correct Hash Field")) << program.screen();
  clickOn(program, "Remove Guids");
  ASSERT_TRUE(program.waitForText("[X] Remove Guids")) << program.screen();
  const auto at = program.find("Correct AT");
  ASSERT_TRUE(at);
  program.click(at->column - 3, at->row);  // on the box itself
  ASSERT_TRUE(program.waitForText("[X] Correct AT")) << program.screen();
  EXPECT_TRUE(shows(program.screen(), "[ ] Correct Window Font"));

  clickOn(program, "[ Process ]");
  const std::string expected =
      crlf({"!!> Ident(4294967295) REST", "NAME", "  #FIELD(A,B,C)", "  A('B'),FONT('C',8, |",
            "      D),E", "  A('B'),AT(10,10,40,14),C", "TAB     TRAILING"});
  // The export writes its file out when it closes it, after its window's last event.
  const auto exported = [&](const std::vector<std::string>&) {
    return std::filesystem::exists(folder_ / "Export.txa") &&
           readFile(folder_ / "Export.txa") == expected;
  };
  // Ten lines go through every window faster than the screen is sampled, so any of the
  // windows may go unseen; those seen must still come in the pipeline's order.
  const std::vector<std::string> seen = followPipeline(program, exported);
  EXPECT_TRUE(
      isInOrderWithin(seen, {"Importing TXA File", "Removing Guids", "Removing Ordinals",
                             "Correcting Hash Fields", "Correcting AT", "Exporting TXA File"}))
      << ::testing::PrintToString(seen);
  closeWithTheButton(program);
  EXPECT_EQ(readFile(folder_ / "Export.txa"), expected);
}

// A clause that could not be joined is kept as read, and the user is told so once the
// conversion is done: which lines, and why.
TEST_F(ApplicationTerminal, ClausesKeptAsReadAreNamedInANoticeAfterProcess) {
  const std::string input = crlf({"A", "X,AT(1, |", "", "  2)", "Y,AT(3, |"});
  writeFile(folder_ / "Import.txa", input);
  TmuxSession& program = start();
  // back past the buttons to "Correct AT"
  program.sendKeys({"BTab", "BTab", "BTab", "BTab", "BTab", "Space"});
  ASSERT_TRUE(program.waitForText(">[X] Correct AT")) << program.screen();
  clickOn(program, "[ Process ]");

  ASSERT_TRUE(program.waitForText("Corrections Not Applied", milliseconds(20000)))
      << program.screen();
  const std::string screen = program.screen();
  EXPECT_TRUE(shows(screen, "2 wrapped clauses were not joined")) << screen;
  EXPECT_TRUE(shows(screen, "line 2, ,AT( its continuation is broken")) << screen;
  EXPECT_TRUE(shows(screen, "line 5, ,AT( the data ended")) << screen;
  EXPECT_TRUE(shows(screen, ">[ OK ]")) << screen;
  // The reasons are shown whole: a "|" in them would break the notice's line there.
  EXPECT_FALSE(std::regex_search(screen, std::regex(R"(\n[^\n(]*[ │]\)[ │]*\n)"))) << screen;
  program.sendKeys({"Enter"});
  ASSERT_TRUE(program.waitForTextGone("Corrections Not Applied")) << program.screen();
  closeWithTheButton(program);
  EXPECT_EQ(readFile(folder_ / "Export.txa"), input);
}

TEST_F(ApplicationTerminal, EmptyImportShowsNoRecordsForEveryPassInTurn) {
  writeFile(folder_ / "Import.txa", "");
  writeFile(folder_ / "Export.txa", "stale\r\n");
  TmuxSession& program = start();
  // back past the buttons to "Correct AT"
  program.sendKeys({"BTab", "BTab", "BTab", "BTab", "BTab", "Space"});
  ASSERT_TRUE(program.waitForText(">[X] Correct AT")) << program.screen();
  clickOn(program, "[ Process ]");

  const auto pid = program.pid();
  ASSERT_TRUE(pid);
  // The boxes look alike, and a key typed between two of them is thrown away with the window
  // it was typed into, as a user's would be. So each Enter waits for a box the program waits
  // in, and counts once the program has read it: nothing else is read while a box waits.
  const auto boxIsUp = [](const std::string& screen) {
    return shows(screen, "There are no records available to process.") &&
           shows(screen, "No Records") && shows(screen, ">[ OK ]");
  };
  for (const char* pass : {"import", "Correct AT", "export"}) {
    ASSERT_TRUE(TmuxSession::waitUntil([&] { return waitsForAKey(*pid); })) << pass;
    ASSERT_TRUE(program.waitForScreen(boxIsUp)) << pass << "\n" << program.screen();
    const std::optional<long> before = bytesRead(*pid);
    ASSERT_TRUE(before);
    program.sendKeys({"Enter"});
    ASSERT_TRUE(TmuxSession::waitUntil([&] { return bytesRead(*pid) > before; })) << pass;
  }
  // A box too many would still be up, and a box too few would have let the last Enter press
  // "Process" again: either way Close would not end the program.
  ASSERT_TRUE(program.waitForTextGone("No Records")) << program.screen();
  closeWithTheButton(program);
  EXPECT_EQ(readFile(folder_ / "Export.txa"), "");
}

// A missing import is said, and the window stays open for another choice.
TEST_F(ApplicationTerminal, MissingImportIsSaidAndTheWindowStaysOpen) {
  TmuxSession& program = start();
  program.sendKeys({"BTab", "BTab", "BTab", "BTab", "Enter"});  // round to "Process", pressed
  ASSERT_TRUE(program.waitForText("Import.txa is missing.")) << program.screen();
  EXPECT_TRUE(shows(program.screen(), "Not Converted")) << program.screen();
  program.sendKeys({"Enter"});
  ASSERT_TRUE(program.waitForText("Not converted: Import.txa is missing")) << program.screen();
  EXPECT_TRUE(program.waitForTextGone("Not Converted")) << program.screen();
  EXPECT_FALSE(std::filesystem::exists(folder_ / "Export.txa"));

  // Still open and working: the import is there now, and Process converts it.
  writeFile(folder_ / "Import.txa", crlf({"A"}));
  program.sendKeys({"Enter"});
  ASSERT_TRUE(program.waitForText("Import.txa \u2192 Export.txa: 1 line written"))
      << program.screen();
  closeWithTheButton(program);
  EXPECT_EQ(readFile(folder_ / "Export.txa"), crlf({"A"}));
  EXPECT_TRUE(setting("XPos"));
}

TEST_F(ApplicationTerminal, CloseSavesThePlacementAndTheNextStartRestoresIt) {
  {
    TmuxSession& program = start();
    const auto corner = program.find(TopLeftCorner);
    ASSERT_TRUE(corner) << program.screen();
    EXPECT_EQ(corner->column, 11);  // centred on 100 x 30
    EXPECT_EQ(corner->row, 5);
    closeWithTheButton(program);
  }
  EXPECT_EQ(setting("XPos"), "44");
  EXPECT_EQ(setting("YPos"), "40");
  EXPECT_EQ(setting("Maximize"), "No");
  EXPECT_EQ(setting("Minimize"), "No");
  // Not resizable, so no size is kept.
  EXPECT_FALSE(setting("Width"));
  EXPECT_FALSE(setting("Height"));

  {
    TmuxSession& program = start();
    ASSERT_TRUE(program.find(TopLeftCorner)) << program.screen();
    program.sendKeys({"S-Right", "S-Right", "S-Right", "S-Down", "S-Down"});
    ASSERT_TRUE(program.waitForScreen([&](const std::string&) {
      const auto corner = program.find(TopLeftCorner);
      return corner && corner->column == 14 && corner->row == 7;
    })) << program.screen();
    closeWithTheButton(program);
  }
  EXPECT_EQ(setting("XPos"), "56");
  EXPECT_EQ(setting("YPos"), "56");

  {
    TmuxSession& program = start();
    const auto corner = program.find(TopLeftCorner);
    ASSERT_TRUE(corner) << program.screen();
    EXPECT_EQ(corner->column, 14);
    EXPECT_EQ(corner->row, 7);
    EXPECT_TRUE(shows(program.screen(), "[ ] Remove Ordinals"));
    closeWithTheButton(program);
  }

  // On a terminal that has become smaller the window is moved back inside it.
  TmuxSession& program = start(80, 22);
  const auto corner = program.find(TopLeftCorner);
  ASSERT_TRUE(corner) << program.screen();
  EXPECT_EQ(corner->column, 3);
  EXPECT_EQ(corner->row, 2);
  closeWithTheButton(program);
  EXPECT_EQ(setting("XPos"), "12");
  EXPECT_EQ(setting("YPos"), "16");
}

// How many one-character lines this build imports in about seconds, measured on a batch
// conversion, so that an interactive import lasts long enough to be cancelled in any build.
long linesImportedIn(double seconds) {
  constexpr long Sample = 200000;
  TempDir sample;
  writeFile(sample / "Import.txa", shortLines(Sample));
  const auto begin = std::chrono::steady_clock::now();
  const RunResult run = runProgram(sample.path(), {"--batch"});
  const double taken =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  EXPECT_EQ(run.status, 0) << run.err;
  // The sample was imported and exported; an import is about half of that.
  const double perSecond = 2 * Sample / std::max(taken, 0.01);
  return std::clamp(static_cast<long>(perSecond * seconds), Sample, 100 * Sample);
}

std::optional<int> shownPercentage(const std::string& screen) {
  static const std::regex complete("([0-9]+)% Complete\\b");
  std::smatch match;
  if (!std::regex_search(screen, match, complete)) return std::nullopt;
  return std::stoi(match[1]);
}

// The percentage the operation's window shows once it shows at least percent.
std::optional<int> waitForProgress(const TmuxSession& program, const std::string& operation,
                                   int percent) {
  std::string seen;
  const bool shown = program.waitForScreen(
      [&](const std::string& screen) {
        seen = screen;
        const auto percentage = shownPercentage(screen);
        return shows(screen, operation) && percentage && *percentage >= percent;
      },
      milliseconds(20000));
  EXPECT_TRUE(shown) << seen;
  return shown ? shownPercentage(seen) : std::nullopt;
}

TEST_F(ApplicationTerminal, CancelEndsTheImportEarlyAndThePipelineGoesOn) {
  const long lines = linesImportedIn(6.0);
  // A clause whose continuation is broken heads the input: the one notice after Process
  // names both the cancelled import and this clause kept as read.
  const std::string brokenClause = crlf({"X,AT(1, |", ""});
  writeFile(folder_ / "Import.txa", brokenClause + shortLines(lines));
  TmuxSession& program = start();
  program.sendKeys({"BTab", "BTab", "BTab", "BTab", "BTab", "Space"});
  ASSERT_TRUE(program.waitForText(">[X] Correct AT")) << program.screen();
  clickOn(program, "[ Process ]");

  // The first percentage the import shows, once it is under way.
  const std::optional<int> running = waitForProgress(program, "Importing TXA File", 1);
  ASSERT_TRUE(running);
  ASSERT_LT(*running, 100) << "the import ended before it could be cancelled";
  clickOn(program, "[ Cancel ]");

  // The passes after a cancelled import run on the few lines it took, too fast to be sure
  // of seeing each window; the notice at the end shows that they ran.
  const std::vector<std::string> seen =
      followPipeline(program, [&](const std::vector<std::string>&) {
        return shows(program.screen(), "Conversion Incomplete");
      });
  EXPECT_TRUE(isInOrderWithin(seen, {"Importing TXA File", "Correcting AT", "Exporting TXA File"}))
      << ::testing::PrintToString(seen);
  // Only Correct AT names a clause whose continuation is broken.
  ASSERT_TRUE(program.waitForText("line 1, ,AT( its continuation is broken")) << program.screen();
  acknowledgeNotice(program, "The import was cancelled");
  closeWithTheButton(program);

  // The table held what the import had read when it was cancelled, and that was exported.
  std::string exported = readFile(folder_ / "Export.txa");
  ASSERT_EQ(exported.substr(0, brokenClause.size()), brokenClause);
  exported.erase(0, brokenClause.size());
  const std::size_t exportedLines = exported.size() / 3;
  EXPECT_EQ(exported, shortLines(static_cast<long>(exportedLines)));
  EXPECT_GT(exportedLines, 0u);
  EXPECT_LT(exportedLines, static_cast<std::size_t>(lines));
}

TEST_F(ApplicationTerminal, BatchProgressFitsTheTerminalAndFollowsItsWidth) {
  const auto shownLines = [](const TmuxSession& batch) {
    std::vector<std::string> rows = batch.lines();
    std::erase(rows, std::string());
    return rows;
  };
  writeFile(folder_ / "Import.txa", shortLines(linesImportedIn(1.0)));
  TmuxSession& batch = launch("--batch --all", 40, 20);
  ASSERT_TRUE(batch.waitForText("Importing TXA File")) << batch.screen();
  for (const std::string& row : shownLines(batch)) {
    EXPECT_LT(row.size(), 40u) << batch.screen();
    EXPECT_NE(row.find("% Complete"), std::string::npos) << batch.screen();
  }
  batch.resize(80, 20);
  ASSERT_EQ(batch.waitForExit(milliseconds(60000)), 0) << batch.screen();

  // One line for each pass, none wrapped, the last one with the whole bar; the summary
  // follows them.
  std::vector<std::string> rows = shownLines(batch);
  ASSERT_EQ(rows.size(), 2 * everyPass().size()) << batch.screen();
  rows.resize(everyPass().size());
  for (const std::string& row : rows) {
    EXPECT_NE(row.find("% Complete"), std::string::npos) << batch.screen();
  }
  EXPECT_EQ(rows.back().rfind("[" + std::string(30, '#') + "] Exporting", 0), 0u) << rows.back();
}

TEST_F(ApplicationTerminal, ATerminalThatCannotPlaceTheCursorIsRefused) {
  TmuxSession& program = launch("", 100, 30, "dumb");
  EXPECT_EQ(program.waitForExit(), 2) << program.screen();
  EXPECT_TRUE(program.waitForText("needs a terminal that can place the cursor"))
      << program.screen();
}

// A key typed in a pass's window belongs to that pass: Esc typed as the import nears its end
// either cancels the import at the end of a batch or goes with its window, and never
// cancels the pass after it.
TEST_F(ApplicationTerminal, EscTypedAsAPassEndsNeverReachesTheNextPass) {
  const long pairCount = linesImportedIn(6.0) / 2;
  std::string pairs;
  for (long i = pairCount; i > 0; --i) pairs += "A,AT(1, |\r\n 2)\r\n";
  writeFile(folder_ / "Import.txa", pairs);
  TmuxSession& program = start();
  program.sendKeys({"BTab", "BTab", "BTab", "BTab", "BTab", "Space"});
  ASSERT_TRUE(program.waitForText(">[X] Correct AT")) << program.screen();
  clickOn(program, "[ Process ]");

  const std::optional<int> nearTheEnd = waitForProgress(program, "Importing TXA File", 90);
  ASSERT_TRUE(nearTheEnd);
  ASSERT_LT(*nearTheEnd, 100) << "the import ended before the key";
  program.sendKeys({"Escape"});

  followPipeline(program, [](const std::vector<std::string>& names) {
    return !names.empty() && names.back() == everyPass().back();
  });
  // The notice follows once the output is in place; whether one is due, the output tells:
  // only a cancelled import leaves fewer lines than the pairs.
  ASSERT_TRUE(TmuxSession::waitUntil(
      [&] { return !std::filesystem::exists(folder_ / "Export.txa.partial"); }));
  std::istringstream exported(readFile(folder_ / "Export.txa"));
  std::vector<std::string> lines;
  for (std::string line; std::getline(exported, line);) lines.push_back(line);
  if (static_cast<long>(lines.size()) < pairCount) {
    ASSERT_TRUE(program.waitForText("Conversion Incomplete")) << program.screen();
    EXPECT_FALSE(shows(program.screen(), "Correct AT")) << program.screen();
    acknowledgeNotice(program, "The import was cancelled");
  }
  closeWithTheButton(program);

  // Correct AT went through every line the import took: each pair became one line, and
  // only a pair cut in two by the cancelled import can have kept its continuation.
  ASSERT_FALSE(lines.empty());
  lines.pop_back();
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& line) { return shows(line, "|"); }),
            0);
}

}  // namespace
}  // namespace tallowmere::testing
