// The terminal front end as a user meets it: the probe program runs in a tmux pane, gets
// keys and mouse actions, and its screen, event log and exit are read back.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/TempDir.h"
#include "terminal/TmuxSession.h"

namespace tallowmere::testing {
namespace {

const std::string MainCaption = "C7 to C6 Tallowmere";

class TerminalProbe : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!TmuxSession::available()) GTEST_SKIP() << "tmux is not installed";
  }

  TmuxSession& start(const std::string& arguments = "", TmuxSession::Options options = {}) {
    session_.emplace(
        std::string(TERMINAL_PROBE) + " " + (folder_ / "events.log").string() + " " + arguments,
        options);
    return *session_;
  }

  std::vector<std::string> log() const {
    std::vector<std::string> lines;
    if (!std::filesystem::exists(folder_ / "events.log")) return lines;
    std::istringstream text(readFile(folder_ / "events.log"));
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
  }

  bool logged(const std::string& line) const { return countLogged(line) > 0; }

  long countLogged(const std::string& line) const {
    const std::vector<std::string> lines = log();
    return std::count(lines.begin(), lines.end(), line);
  }

  bool waitForLog(const std::string& line) const {
    return TmuxSession::waitUntil([&] { return logged(line); });
  }

  // The log line that starts with prefix, once there is one.
  std::string waitForLogStarting(const std::string& prefix) const {
    std::string found;
    TmuxSession::waitUntil([&] {
      for (const std::string& line : log()) {
        if (line.rfind(prefix, 0) == 0) found = line;
      }
      return !found.empty();
    });
    return found;
  }

  // Ends the probe with Esc on its main window and checks it left the terminal as it was.
  void closeNormally(TmuxSession& probe) {
    probe.sendKeys({"Escape"});
    EXPECT_EQ(probe.waitForExit(), 0);
    EXPECT_TRUE(probe.terminalRestored()) << probe.modesAfterExit() << probe.paneFlags();
  }

  TempDir folder_;
  std::optional<TmuxSession> session_;
};

TEST_F(TerminalProbe, MainWindowOpensCentredWithEveryControlAndFocusOnTheFirst) {
  TmuxSession& probe = start();
  ASSERT_TRUE(probe.waitForWindow(MainCaption)) << probe.screen();
  const std::string screen = probe.screen();
  for (const char* label :
       {"[ ] Remove Ordinals", "[ ] Correct Hash Field", "[ ] Remove Guids",
        "[ ] Correct Window Font", "[ ] Correct AT", "Import Filename: Import.txa",
        "Export Filename: Export.txa", "[ Process ]", "[ Close ]", "[x]"}) {
    EXPECT_NE(screen.find(label), std::string::npos) << label << "\n" << screen;
  }
  EXPECT_EQ(probe.findAll("[ Browse\u2026 ]").size(), 2u) << screen;
  // 77 x 20 cells with the frame, centred on 100 x 30.
  const auto corner = probe.find("\u250C");
  ASSERT_TRUE(corner);
  EXPECT_EQ(corner->column, 11);
  EXPECT_EQ(corner->row, 5);
  const auto oppositeCorner = probe.find("\u2518");
  const auto process = probe.find("[ Process ]");
  ASSERT_TRUE(oppositeCorner && process) << probe.screen();
  EXPECT_EQ(oppositeCorner->column, 11 + 76);
  EXPECT_EQ(oppositeCorner->row, 24);
  EXPECT_EQ(process->row, 5 + 1 + 16);
  EXPECT_NE(screen.find(">[ ] Remove Ordinals"), std::string::npos);
  closeNormally(probe);
  EXPECT_TRUE(logged("main CloseWindow 0"));
  EXPECT_TRUE(logged("main closed at 44 40"));
}

TEST_F(TerminalProbe, KeyboardMovesTheFocusTogglesAndPresses) {
  TmuxSession& probe = start();
  ASSERT_TRUE(probe.waitForWindow(MainCaption));
  probe.sendKeys({"Tab", "Space"});
  ASSERT_TRUE(waitForLog("main value 3 1"));
  EXPECT_TRUE(logged("main Selected 3"));
  EXPECT_TRUE(probe.waitForText(">[X] Correct Hash Field")) << probe.screen();

  probe.sendKeys({"BTab", "Enter"});  // Enter presses buttons only
  ASSERT_TRUE(waitForLog("main Selected 1"));
  probe.sendKeys({"Space"});
  ASSERT_TRUE(waitForLog("main value 1 1"));
  EXPECT_EQ(countLogged("main Accepted 1"), 1);

  // From the first control back round past the two Browse buttons to Close.
  probe.sendKeys({"BTab"});
  ASSERT_TRUE(waitForLog("main Selected 11"));
  probe.sendKeys({"BTab"});
  ASSERT_TRUE(waitForLog("main Selected 10"));
  probe.sendKeys({"BTab", "Enter"});
  ASSERT_TRUE(waitForLog("main Accepted 9"));
  EXPECT_EQ(probe.waitForExit(), 0);
  EXPECT_TRUE(probe.terminalRestored()) << probe.modesAfterExit() << probe.paneFlags();
  EXPECT_TRUE(probe.waitForTextGone(MainCaption));
}

TEST_F(TerminalProbe, CtrlCIsACloseRequestAndNoSignal) {
  TmuxSession& probe = start();
  ASSERT_TRUE(probe.waitForWindow(MainCaption));
  probe.sendKeys({"C-c"});
  EXPECT_EQ(probe.waitForExit(), 0);
  EXPECT_TRUE(logged("main CloseWindow 0"));
  EXPECT_TRUE(probe.terminalRestored());
}

TEST_F(TerminalProbe, MouseTogglesCheckBoxesAndTheCloseBoxClosesTheWindow) {
  TmuxSession& probe = start();
  ASSERT_TRUE(probe.waitForWindow(MainCaption));
  const auto guids = probe.find("Remove Guids");
  ASSERT_TRUE(guids);
  probe.click(guids->column + 3, guids->row);
  ASSERT_TRUE(waitForLog("main value 5 1"));
  EXPECT_TRUE(probe.waitForText(">[X] Remove Guids"));
  probe.click(guids->column - 3, guids->row);  // on the box itself
  ASSERT_TRUE(waitForLog("main value 5 0"));
  probe.click(guids->column + 40, guids->row);  // empty space: nothing
  const auto closeBox = probe.find("[x]");
  ASSERT_TRUE(closeBox);
  probe.click(closeBox->column + 1, closeBox->row);
  ASSERT_TRUE(waitForLog("main CloseWindow 0"));
  EXPECT_EQ(countLogged("main Accepted 5"), 2);
  EXPECT_EQ(probe.waitForExit(), 0);
}

TEST_F(TerminalProbe, OnlyTheLeftButtonClicksAndABrokenReportKeepsTheKeyAfterIt) {
  TmuxSession& probe = start();
  ASSERT_TRUE(probe.waitForWindow(MainCaption));
  const auto guids = probe.find("Remove Guids");
  ASSERT_TRUE(guids);
  const int column = guids->column + 3, row = guids->row;
  // The wheels (up, down, left, right), the middle and right buttons and buttons 8 to 11
  // (back, forward), one of them with Ctrl, in both encodings.
  std::string others;
  for (int button : {64, 65, 66, 67, 1, 2, 128, 129, 130, 131, 128 + 16}) {
    others +=
        sgrMouseReport(button, column, row, false) + sgrMouseReport(button, column, row, true);
    others +=
        TmuxSession::mouseReport(button, column, row) + TmuxSession::mouseReport(3, column, row);
  }
  probe.sendBytes(others);
  probe.sendBytes("\033[<0;12 ");  // a report broken off by Space, for the focused box
  ASSERT_TRUE(waitForLog("main value 1 1")) << probe.screen();
  probe.click(column, row);
  ASSERT_TRUE(waitForLog("main value 5 1"));
  const auto closeBox = probe.find("[x]");
  ASSERT_TRUE(closeBox);
  probe.click(closeBox->column + 1, closeBox->row);
  ASSERT_TRUE(waitForLog("main CloseWindow 0"));
  EXPECT_EQ(countLogged("main Accepted 5"), 1);
  EXPECT_EQ(countLogged("main Accepted 1"), 1);
  EXPECT_EQ(probe.waitForExit(), 0);
}

TEST_F(TerminalProbe, TheTerminalReportsTheMouseWhileTheWindowIsOpen) {
  // Far right on a wide terminal, where only the SGR encoding can say the column.
  TmuxSession::Options wide;
  wide.columns = 300;
  TmuxSession& probe = start("--at 920 40", wide);
  ASSERT_TRUE(probe.waitForWindow(MainCaption));
  EXPECT_EQ(probe.mouseModes(), "11\n");
  const std::unique_ptr<TmuxClient> user = probe.attachClient();
  ASSERT_TRUE(user);
  const auto guids = probe.find("Remove Guids");
  ASSERT_TRUE(guids);
  ASSERT_GT(guids->column, 223);
  user->click(guids->column + 3, guids->row);
  EXPECT_TRUE(waitForLog("main value 5 1"));
  closeNormally(probe);
}

TEST_F(TerminalProbe, DraggingTheTitleBarMovesTheWindowButNotOffTheScreen) {
  TmuxSession& probe = start();
  ASSERT_TRUE(probe.waitForWindow(MainCaption));
  const auto title = probe.find(MainCaption);
  ASSERT_TRUE(title);
  probe.drag({title->column, title->row}, {title->column + 10, title->row + 3});
  ASSERT_TRUE(probe.waitForScreen([&](const std::string&) {
    const auto moved = probe.find(MainCaption);
    return moved && moved->column == title->column + 10 && moved->row == title->row + 3;
  })) << probe.screen();
  probe.drag({title->column + 10, title->row + 3}, {title->column + 60, title->row + 40});
  ASSERT_TRUE(probe.waitForScreen([&](const std::string&) {
    const auto corner = probe.find("\u250C");
    return corner && corner->column == 23 && corner->row == 10;
  })) << probe.screen();
  closeNormally(probe);
  EXPECT_TRUE(logged("main closed at 92 80"));
}

TEST_F(TerminalProbe, ModifiedArrowKeysMoveTheWindowByCells) {
  TmuxSession& probe = start();
  ASSERT_TRUE(probe.waitForWindow(MainCaption));
  probe.sendKeys({"S-Left", "S-Left", "S-Left", "C-Up", "M-Right", "S-Down", "S-Down"});
  ASSERT_TRUE(probe.waitForScreen([&](const std::string&) {
    const auto corner = probe.find("\u250C");
    return corner && corner->column == 9 && corner->row == 6;
  })) << probe.screen();
  closeNormally(probe);
  EXPECT_TRUE(logged("main closed at 36 48"));
}

TEST_F(TerminalProbe, ProgressWindowRunsOverTheInactiveMainWindowAndCancels) {
  TmuxSession& probe = start();
  ASSERT_TRUE(probe.waitForWindow(MainCaption));
  const auto process = probe.find("[ Process ]");
  ASSERT_TRUE(process);
  probe.click(process->column + 2, process->row);
  ASSERT_TRUE(probe.waitForText("Processing Records"));
  EXPECT_TRUE(probe.waitForText("Probing Records"));
  EXPECT_NE(probe.screen().find(MainCaption), std::string::npos);
  // The bar and the percentage move with the timer events.
  ASSERT_TRUE(probe.waitForText("6% Complete")) << probe.screen();
  EXPECT_NE(probe.screen().find("\u2588"), std::string::npos) << probe.screen();
  // The bar has the focus; Enter presses the window's only button.
  probe.sendKeys({"Enter"});
  const std::string ended = waitForLogStarting("progress ended at ");
  ASSERT_FALSE(ended.empty());
  EXPECT_LT(std::stoi(ended.substr(18)), 100);
  const std::vector<std::string> lines = log();
  const auto accepted = std::find(lines.begin(), lines.end(), "progress Accepted 4");
  ASSERT_NE(accepted, lines.end());
  EXPECT_GE(std::count(lines.begin(), accepted, "progress Timer 0"), 3);
  EXPECT_TRUE(probe.waitForTextGone("Processing Records"));

  // Back on the main window, Esc closes it.
  probe.sendKeys({"Escape"});
  EXPECT_EQ(probe.waitForExit(), 0);
}

TEST_F(TerminalProbe, ProgressWindowCloseBoxAndEscAreCloseRequests) {
  TmuxOptions ascii;
  ascii.utf8 = false;
  TmuxSession& probe = start("", ascii);
  ASSERT_TRUE(probe.waitForWindow(MainCaption));
  probe.sendKeys({"BTab", "BTab", "BTab", "BTab", "Enter"});  // round to Process
  ASSERT_TRUE(probe.waitForText("4% Complete"));
  // Without UTF-8 the bar falls back to plain characters.
  EXPECT_NE(probe.screen().find("#......"), std::string::npos) << probe.screen();
  const auto title = probe.find("Processing Records");
  ASSERT_TRUE(title);
  const std::vector<TmuxSession::Cell> closeBoxes = probe.findAll("[x]");
  const auto own =
      std::find_if(closeBoxes.begin(), closeBoxes.end(),
                   [&](const TmuxSession::Cell& box) { return box.row == title->row; });
  ASSERT_NE(own, closeBoxes.end()) << probe.screen();
  probe.click(own->column + 1, own->row);
  ASSERT_TRUE(waitForLog("progress CloseWindow 0")) << probe.screen();

  probe.sendKeys({"Enter"});  // the focus is back on Process
  ASSERT_TRUE(probe.waitForText("Processing Records"));
  probe.sendKeys({"Escape"});
  ASSERT_TRUE(TmuxSession::waitUntil([&] { return countLogged("progress CloseWindow 0") == 2; }));
  EXPECT_FALSE(logged("main CloseWindow 0"));
  closeNormally(probe);
}

struct Answer {
  const char* kind;
  std::vector<std::string> keys;
  int button;
};

class TerminalMessageBoxAnswers : public TerminalProbe,
                                  public ::testing::WithParamInterface<Answer> {};

TEST_P(TerminalMessageBoxAnswers, KeysAnswerTheBox) {
  TmuxSession& probe = start(std::string("--message ") + GetParam().kind);
  ASSERT_TRUE(probe.waitForText("Probe Message"));
  probe.sendKeys(GetParam().keys);
  EXPECT_TRUE(waitForLog("answer " + std::to_string(GetParam().button))) << probe.screen();
  EXPECT_TRUE(probe.waitForTextGone("Probe Message"));
  closeNormally(probe);
}

// Named after the box and the keys, e.g. question_no_Tab_Enter, so a name keeps meaning the
// same case when cases are added or reordered.
std::string answerName(const ::testing::TestParamInfo<Answer>& info) {
  std::string name = info.param.kind;
  for (const std::string& key : info.param.keys) name += "_" + key;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TerminalMessageBoxAnswers,
    ::testing::Values(Answer{"question", {"Enter"}, 2}, Answer{"question-no", {"Enter"}, 4},
                      Answer{"question", {"Tab", "Enter"}, 4}, Answer{"question", {"n"}, 4},
                      Answer{"question-no", {"Y"}, 2}, Answer{"question", {"Escape"}, 4},
                      Answer{"notify", {"Escape"}, 1}, Answer{"notify", {"y", "Space"}, 1}),
    answerName);

TEST_F(TerminalProbe, MessageBoxShowsItsTextLinesMarkAndButtons) {
  TmuxSession& probe = start("--message notify");
  ASSERT_TRUE(probe.waitForText("Probe Message"));
  // The caption comes first; the box is complete once its button shows.
  ASSERT_TRUE(probe.waitForText(">[ OK ]")) << probe.screen();
  const auto first = probe.find("First line");
  const auto second = probe.find("Second line,");
  const auto wrapped = probe.find("onto a further line by the message box");
  ASSERT_TRUE(first && second && wrapped) << probe.screen();
  EXPECT_EQ(second->row, first->row + 1);
  EXPECT_GT(wrapped->row, second->row);
  EXPECT_EQ(wrapped->column, first->column);
  const auto mark = probe.find("[i]");
  ASSERT_TRUE(mark) << probe.screen();
  EXPECT_EQ(mark->row, first->row);
  EXPECT_NE(probe.screen().find(">[ OK ]"), std::string::npos);
  // The main window underneath stays visible.
  EXPECT_NE(probe.screen().find(MainCaption), std::string::npos);
  const auto ok = probe.find("[ OK ]");
  ASSERT_TRUE(ok) << probe.screen();
  probe.click(ok->column + 2, ok->row);
  EXPECT_TRUE(waitForLog("answer 1"));
  closeNormally(probe);
}

TEST_F(TerminalProbe, QuestionShowsTheWarningMarkAndTakesClicks) {
  TmuxSession& probe = start("--message question");
  ASSERT_TRUE(probe.waitForText("Probe Message"));
  EXPECT_NE(probe.screen().find("[!]"), std::string::npos);
  EXPECT_NE(probe.screen().find(">[ Yes ]  [ No ]"), std::string::npos) << probe.screen();
  const auto no = probe.find("[ No ]");
  ASSERT_TRUE(no);
  probe.click(no->column + 1, no->row);
  EXPECT_TRUE(waitForLog("answer 4"));
  closeNormally(probe);
}

TEST_F(TerminalProbe, HaltAfterAFatalBoxRestoresTheTerminalAndFails) {
  TmuxSession& probe = start("--message halt");
  ASSERT_TRUE(probe.waitForText("Probe Message"));
  probe.sendKeys({"Enter"});
  ASSERT_TRUE(probe.waitForText("Probe Halted"));
  EXPECT_NE(probe.screen().find(" Halt "), std::string::npos);
  probe.sendKeys({"Enter"});
  const std::optional<int> status = probe.waitForExit();
  ASSERT_TRUE(status);
  EXPECT_NE(*status, 0);
  EXPECT_TRUE(probe.terminalRestored()) << probe.modesAfterExit() << probe.paneFlags();
  EXPECT_FALSE(logged("main closed at 44 40"));
}

// The keyboard read from a terminal that goes away under the open window, while the window
// is still shown on a terminal of its own: the program ends at once and restores that one.
TEST_F(TerminalProbe, AKeyboardThatIsGoneClosesTheWindowsInsteadOfWaiting) {
  const std::filesystem::path ttyName = folder_ / "keyboard.tty";
  std::optional<TmuxSession> keyboard(std::in_place,
                                      "tty > " + ttyName.string() + " && exec sleep 600");
  ASSERT_TRUE(TmuxSession::waitUntil([&] { return !readFile(ttyName).empty(); }));
  std::string tty = readFile(ttyName);
  tty.erase(tty.find_last_not_of('\n') + 1);

  TmuxSession& probe = start("< " + tty);
  ASSERT_TRUE(probe.waitForWindow(MainCaption)) << probe.screen();
  keyboard.reset();
  EXPECT_EQ(probe.waitForExit(), 0) << probe.screen();
  EXPECT_TRUE(logged("main CloseWindow 0"));
  EXPECT_TRUE(probe.terminalRestored()) << probe.modesAfterExit() << probe.paneFlags();
}

class TerminalSignals : public TerminalProbe, public ::testing::WithParamInterface<int> {};

TEST_P(TerminalSignals, RestoreTheTerminalAndEndByTheSignal) {
  TmuxSession& probe = start();
  ASSERT_TRUE(probe.waitForWindow(MainCaption));
  probe.signal(GetParam());
  EXPECT_EQ(probe.waitForExit(), 128 + GetParam());
  EXPECT_TRUE(probe.terminalRestored()) << probe.modesAfterExit() << probe.paneFlags();
}

INSTANTIATE_TEST_SUITE_P(EveryEndingSignal, TerminalSignals,
                         ::testing::Values(SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGABRT, SIGSEGV,
                                           SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGXCPU, SIGXFSZ),
                         [](const ::testing::TestParamInfo<int>& signal) {
                           return std::string(sigabbrev_np(signal.param));
                         });

TEST_F(TerminalProbe, SmallTerminalShowsANoticeUntilEnlargedAndWindowsStayOnScreen) {
  TmuxSession& probe = start();
  ASSERT_TRUE(probe.waitForWindow(MainCaption));
  probe.resize(24, 15);
  ASSERT_TRUE(probe.waitForText("Terminal too small")) << probe.screen();
  EXPECT_EQ(probe.screen().find(MainCaption), std::string::npos);
  // However narrow the terminal, the notice wraps so the size it asks for shows.
  std::string notice = probe.screen();
  std::replace(notice.begin(), notice.end(), '\n', ' ');
  EXPECT_TRUE(std::regex_search(notice, std::regex("at least 77 x 20 \\(now 24 x 15\\)")))
      << probe.screen();
  // One column short is still too small.
  probe.resize(76, 22);
  ASSERT_TRUE(probe.waitForText("(now 76 x 22)")) << probe.screen();
  probe.resize(80, 22);
  // Still centred where it was, it would stick out: it is moved back inside.
  ASSERT_TRUE(probe.waitForScreen([&](const std::string&) {
    const auto corner = probe.find("\u250C");
    return corner && corner->column == 3 && corner->row == 2;
  })) << probe.screen();
  probe.sendKeys({"Tab", "Space"});
  ASSERT_TRUE(waitForLog("main value 3 1"));
  closeNormally(probe);
  EXPECT_TRUE(logged("main closed at 12 16"));
}

TEST_F(TerminalProbe, AStoredPositionIsUsedAndKeptInsideTheScreen) {
  {
    TmuxSession& probe = start("--at 40 16");
    ASSERT_TRUE(probe.waitForWindow(MainCaption));
    const auto corner = probe.find("\u250C");
    ASSERT_TRUE(corner) << probe.screen();
    EXPECT_EQ(corner->column, 10);
    EXPECT_EQ(corner->row, 2);
    closeNormally(probe);
    EXPECT_TRUE(logged("main closed at 40 16"));
  }
  TmuxSession& probe = start("--at 4000 4000");
  ASSERT_TRUE(probe.waitForWindow(MainCaption));
  const auto corner = probe.find("\u250C");
  ASSERT_TRUE(corner) << probe.screen();
  EXPECT_EQ(corner->column, 23);
  EXPECT_EQ(corner->row, 10);
  closeNormally(probe);
  EXPECT_TRUE(logged("main closed at 92 80"));
}

}  // namespace
}  // namespace tallowmere::testing
