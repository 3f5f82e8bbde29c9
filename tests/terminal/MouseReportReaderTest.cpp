// The terminal's mouse reports decoded from the bytes after their start, without a
// terminal: which buttons act in both encodings, broken reports, and bytes that arrive in
// pieces. The bytes come from a script with its own clock, so waits cost no time.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/terminal/KeyCodes.h"
#include "platform/terminal/MouseReportReader.h"
#include "terminal/ScriptedBytes.h"

namespace tallowmere::platform {

void PrintTo(const MouseInput& mouse, std::ostream* out) {
  static const char* const actions[] = {"Press", "Release", "Motion"};
  *out << actions[static_cast<int>(mouse.action)] << " at " << mouse.at.column << ","
       << mouse.at.row;
}

namespace {

using Action = MouseInput::Action;

// An xterm report's three bytes: the button code, column and row (0-based), offset by 32.
std::vector<int> xterm(int code, int column, int row) {
  return {32 + code, 33 + column, 33 + row};
}

std::optional<MouseInput> mouse(Action action, int column = 10, int row = 5) {
  return MouseInput{action, {column, row}};
}

struct ButtonCase {
  const char* what;
  int code;
  std::optional<Action> action;  // nothing: the report means nothing to a window
};

TEST(TerminalMouseReport, OnlyTheLeftButtonActsInBothEncodings) {
  const ButtonCase cases[] = {
      {"left button pressed", 0, Action::Press},
      {"... with Shift, Alt, Ctrl, all three", 4, Action::Press},
      {"", 8, Action::Press},
      {"", 16, Action::Press},
      {"", 28, Action::Press},
      {"moved with the left button held", 32, Action::Motion},
      {"... and Ctrl", 48, Action::Motion},
      {"middle button", 1, std::nullopt},
      {"right button", 2, std::nullopt},
      {"moved with the right button held", 34, std::nullopt},
      {"wheel up, down, left, right", 64, std::nullopt},
      {"", 65, std::nullopt},
      {"", 66, std::nullopt},
      {"", 67, std::nullopt},
      {"... with Ctrl", 80, std::nullopt},
      {"buttons 8 to 11 (back, forward)", 128, std::nullopt},
      {"", 129, std::nullopt},
      {"", 130, std::nullopt},
      {"", 131, std::nullopt},
      {"... with Ctrl", 144, std::nullopt},
      {"moved with the back button held", 160, std::nullopt},
  };
  for (const ButtonCase& button : cases) {
    const std::optional<MouseInput> expected = button.action ? mouse(*button.action) : std::nullopt;
    ScriptedBytes sgr({{0, bytes(std::to_string(button.code) + ";11;6M")}});
    EXPECT_EQ(readMouseReport(sgr, SgrMouseReportKey), expected)
        << "SGR: " << button.what << " " << button.code;
    ScriptedBytes xtermBytes({{0, xterm(button.code, 10, 5)}});
    EXPECT_EQ(readMouseReport(xtermBytes, MouseReportKey), expected)
        << "xterm: " << button.what << button.code;
  }
}

struct ReportCase {
  const char* what;
  int start;
  std::vector<int> keys;
  std::optional<MouseInput> expected;
};

TEST(TerminalMouseReport, ReleasesAndPlacesFollowEachEncoding) {
  const ReportCase cases[] = {
      {"SGR: release in the final letter", SgrMouseReportKey, bytes("0;11;6m"),
       mouse(Action::Release)},
      {"SGR: right button let go", SgrMouseReportKey, bytes("2;11;6m"), std::nullopt},
      {"SGR: back button let go", SgrMouseReportKey, bytes("128;11;6m"), std::nullopt},
      {"SGR: no column limit", SgrMouseReportKey, bytes("0;300;6M"), mouse(Action::Press, 299)},
      {"SGR: there is no column 0", SgrMouseReportKey, bytes("0;0;6M"), std::nullopt},
      {"xterm: a release does not say the button", MouseReportKey, xterm(3, 0, 0),
       mouse(Action::Release, 0, 0)},
      {"xterm: the last column it can say", MouseReportKey, xterm(0, 222, 5),
       mouse(Action::Press, 222)},
  };
  for (const ReportCase& report : cases) {
    ScriptedBytes source({{0, report.keys}});
    EXPECT_EQ(readMouseReport(source, report.start), report.expected) << report.what;
  }
}

struct BrokenCase {
  const char* what;
  int start;
  std::vector<int> keys;
  int next;  // the key read after the report
};

// A report that breaks off, or holds what no report holds, means nothing, and the key after
// it is still read.
TEST(TerminalMouseReport, BrokenReportsMeanNothingAndKeepTheKeyAfterThem) {
  const int arrow = ModifiedUp;  // a key sequence curses has already decoded
  const BrokenCase cases[] = {
      {"SGR: two numbers", SgrMouseReportKey, bytes("0;11Mx"), 'x'},
      {"SGR: an empty number", SgrMouseReportKey, bytes("0;;6Mx"), 'x'},
      {"SGR: no button", SgrMouseReportKey, bytes(";11;6Mx"), 'x'},
      {"SGR: four numbers", SgrMouseReportKey, bytes("0;11;6;7Mx"), 'x'},
      {"SGR: a number past an int", SgrMouseReportKey, bytes("99999999999;11;6Mx"), 'x'},
      {"SGR: a code no button has", SgrMouseReportKey, bytes("256;11;6Mx"), 'x'},
      {"SGR: broken off by Space", SgrMouseReportKey, bytes("0;12 "), ' '},
      {"SGR: ... by an arrow key", SgrMouseReportKey, {'0', ';', arrow}, arrow},
      {"SGR: ... by Esc", SgrMouseReportKey, {'0', EscapeKey, 'x'}, EscapeKey},
      {"xterm: ... by Esc", MouseReportKey, {32, EscapeKey}, EscapeKey},
      {"xterm: ... by an arrow key", MouseReportKey, {32, 40, arrow}, arrow},
      {"xterm: a control character", MouseReportKey, {'\n'}, '\n'},
  };
  for (const BrokenCase& report : cases) {
    ScriptedBytes source({{0, report.keys}});
    EXPECT_EQ(readMouseReport(source, report.start), std::nullopt) << report.what;
    EXPECT_EQ(source.next(0), report.next) << report.what;
  }
}

TEST(TerminalMouseReport, ReportsArrivingInPiecesAreWaitedForBriefly) {
  // The second part a moment later: still one click.
  ScriptedBytes splitSgr({{0, bytes("0;1")}, {40, bytes("1;6M")}});
  EXPECT_EQ(readMouseReport(splitSgr, SgrMouseReportKey), mouse(Action::Press));
  ScriptedBytes splitXterm({{0, {32}}, {40, {43, 38}}});
  EXPECT_EQ(readMouseReport(splitXterm, MouseReportKey), mouse(Action::Press));

  // Back to back: each report is read whole and no more.
  ScriptedBytes twice({{0, bytes("0;11;6M")}, {0, {SgrMouseReportKey}}, {0, bytes("0;11;6m")}});
  EXPECT_EQ(readMouseReport(twice, SgrMouseReportKey), mouse(Action::Press));
  EXPECT_EQ(twice.next(0), SgrMouseReportKey);
  EXPECT_EQ(readMouseReport(twice, SgrMouseReportKey), mouse(Action::Release));

  // Cut short, or the rest so late it cannot be the same report: nothing, and soon.
  ScriptedBytes cut({{0, bytes("0;11")}});
  EXPECT_EQ(readMouseReport(cut, SgrMouseReportKey), std::nullopt);
  EXPECT_LT(cut.now(), 1000);
  ScriptedBytes late({{0, {32, 43}}, {5000, {38}}});
  EXPECT_EQ(readMouseReport(late, MouseReportKey), std::nullopt);
  EXPECT_LT(late.now(), 1000);
  // An endless run of digits is given up, not read to its end.
  ScriptedBytes endless({{0, bytes(std::string(10000, '1'))}});
  EXPECT_EQ(readMouseReport(endless, SgrMouseReportKey), std::nullopt);
  EXPECT_EQ(endless.next(0), '1');
}

}  // namespace
}  // namespace tallowmere::platform
