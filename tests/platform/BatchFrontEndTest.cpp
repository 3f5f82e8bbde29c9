#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/batch/BatchFrontEnd.h"
#include "runtime/ui/Window.h"

namespace tallowmere::platform {
namespace {

constexpr int Bar = 1;
constexpr int Title = 7;
constexpr int Percent = 9;

// Everything the front end sent, a redrawn line starting with "\r".
class RecordingConsole : public Console {
 public:
  bool isTerminal() const override { return terminal; }
  int columns() const override { return width; }
  void write(const std::string& text) override { shown += text; }
  void redrawLine(const std::string& text) override { shown += "\r" + text; }

  bool terminal = true;
  int width = 0;
  std::string shown;
};

// A window whose controls say how far a pass has come, and which says so only if asked.
runtime::WindowDescription passWindow(std::uint8_t& bar, bool declared) {
  runtime::WindowDescription description;
  description.caption = "Working";
  description.controls = {
      {Bar, runtime::ControlKind::ProgressBar, 0, 0, 100, 10, "", "", &bar},
      {Title, runtime::ControlKind::FixedText, 0, 12, 100, 10, "Removing Guids", "", nullptr},
      {Percent, runtime::ControlKind::FixedText, 0, 24, 100, 10, "50% Complete", "", nullptr},
  };
  if (declared) description.progress = runtime::ProgressRole{Bar, Title, Percent};
  return description;
}

TEST(BatchFrontEnd, ReportsTheWindowsDeclaringProgressWithinTheTerminalWidth) {
  std::uint8_t half = 50;
  runtime::Window progress(passWindow(half, true));
  runtime::Window other(passWindow(half, false));
  progress.refreshFromVariables();
  RecordingConsole console;
  BatchFrontEnd batch(console);
  const std::string words = "Removing Guids: 50% Complete";
  const std::string wholeBar = "[" + std::string(15, '#') + std::string(15, '.') + "] ";

  const auto drawnAt = [&](int width) {
    console.width = width;
    console.shown.clear();
    batch.drawWindow(progress);
    batch.drawWindow(other);
    return console.shown;
  };
  EXPECT_EQ(drawnAt(0), "\r" + wholeBar + words);  // width unknown
  EXPECT_EQ(drawnAt(80), "\r" + wholeBar + words);
  EXPECT_EQ(drawnAt(45), "\r[" + std::string(6, '#') + std::string(7, '.') + "] " + words);
  EXPECT_EQ(drawnAt(40), "\r" + words);  // no room for a useful bar
  EXPECT_EQ(drawnAt(20), "\r" + words.substr(0, 19));

  // A message ends the line being drawn first.
  console.shown.clear();
  batch.showMessageBox(
      {"one|two", "Note", runtime::Icon::Information, runtime::Button::OK, runtime::Button::OK});
  EXPECT_EQ(console.shown, "\nNote: one\ntwo\n");

  // Elsewhere than on a terminal, a pass says one line as it ends.
  console.terminal = false;
  console.shown.clear();
  batch.drawWindow(progress);
  batch.closeWindow(other);
  batch.closeWindow(progress);
  EXPECT_EQ(console.shown, words + "\n");
}

}  // namespace
}  // namespace tallowmere::platform
