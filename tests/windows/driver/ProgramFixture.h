#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "UiProbe.h"

namespace tallowmere::testing {

std::filesystem::path fromEnvironment(const wchar_t* name);
std::string readAll(const std::filesystem::path& file);

// What a control answers when it is gone, or going, before it could answer: no answer is not
// a state of the control (a bar at 0, a box not ticked).
inline constexpr LRESULT NoAnswer = -1;
LRESULT ask(HWND control, UINT message);

inline constexpr const char* Browse = "Browse\u2026";

// The check boxes of the five corrections, in their order on the main window.
extern const std::vector<std::string> CorrectionBoxes;

// Clicks a check box with the mouse and waits until the box shows the state wanted: false
// when it did not within the time.
bool clickBoxTo(HWND box, LRESULT wanted);
bool isCheckBox(const SeenControl& control);
bool isPushButton(const SeenControl& control);
// The control that has the keyboard focus in the window's thread.
HWND focusOf(HWND window);
// Keys pressed together on the keyboard, into the window in the foreground.
void type(std::initializer_list<WORD> chord);
// Waits until the condition holds; false when it did not within the time.
bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds within);

// Starts the window program in a folder of its own, and with no settings left from an
// earlier run.
class WindowProgramFixture : public ::testing::Test {
 protected:
  void SetUp() override;

  // The window program, or its console face beside it.
  void start(const wchar_t* face = L".exe", const std::vector<std::wstring>& arguments = {});
  HWND startWithMainWindow(const wchar_t* face = L".exe",
                           const std::vector<std::wstring>& arguments = {});
  // The control showing the text, its access key's mark (&) aside; null when there is none.
  static HWND control(HWND window, const std::string& text);
  void press(HWND window, const std::string& text);
  // A dialog box of the program's (a message box or a file dialog); null when none came.
  HWND waitForBox(std::chrono::milliseconds within = std::chrono::seconds(20));
  // Answers the message box the program shows with the button (its text without the mark of
  // its access key); returns the box's caption and text ("Caption: text"), empty when none
  // came.
  std::string answerBox(const std::string& button);
  // The same for a given box.
  static std::string answer(HWND box, const std::string& button);
  // Between two passes the main window takes input only for a moment: they are over once it
  // has done so for a while.
  static bool waitForPassesToEnd(HWND main);
  static void shoot(HWND window, const wchar_t* name);

  std::filesystem::path folder;
  std::unique_ptr<ProgramRun> run;
};

}  // namespace tallowmere::testing
