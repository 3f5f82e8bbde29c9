#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace tallowmere::testing {

// The captions of the program's main window and of its progress windows.
inline constexpr const char* MainCaption = "C7 to C6 Tallowmere";
inline constexpr const char* ProgressCaption = "Processing Records";

// What a user or an accessibility tool sees of a window's control.
struct SeenControl {
  HWND handle = nullptr;
  std::string className;
  std::string text;
  LONG style = 0;
  RECT place{};  // in the parent's client coordinates
};

// The program under test, started as Explorer would start it, in a working folder.
class ProgramRun {
 public:
  ProgramRun(const std::wstring& program, const std::wstring& folder);
  ~ProgramRun();
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  DWORD id() const { return process_.dwProcessId; }
  // Tells the program's window that it now stands on a monitor of another scale, as Windows
  // does when the window is dragged there: asks the size the window wants at that scale, the
  // size scaled on offer, then suggests a rectangle of that size at the corner. Returns the
  // rectangle suggested; none when the window did not answer.
  std::optional<RECT> moveOntoScale(HWND window, UINT dpi, POINT corner);
  // The exit status, once the program has ended within the time; none otherwise.
  std::optional<DWORD> exitStatus(std::chrono::milliseconds within);

 private:
  PROCESS_INFORMATION process_{};
};

std::string narrow(const std::wstring& text);
std::string windowText(HWND window);
std::string className(HWND window);
// A top-level window's caption, as the task bar shows it without asking the window.
std::string caption(HWND window);

// Waits for a visible top-level window of the process (of any process: 0) that satisfies the
// test; null when none came within the time.
HWND waitForWindow(DWORD process, const std::function<bool(HWND)>& test,
                   std::chrono::milliseconds within);
HWND waitForCaption(DWORD process, const std::string& caption, std::chrono::milliseconds within);
std::vector<SeenControl> childrenOf(HWND window);
// The tab order as Windows' dialog keys walk it, from the first control that takes the focus.
std::vector<std::string> tabOrder(HWND window);
const SeenControl* findByText(const std::vector<SeenControl>& controls, const std::string& text);
// Presses the keys in their order and lets them go in the reverse order, as a user's
// keyboard does for a chord such as Shift+Tab, into whichever window is in the foreground.
void pressKeys(std::initializer_list<WORD> keys);
// Saves what the screen shows of the window, frame included, as a BMP file.
bool saveScreenshot(HWND window, const std::wstring& file);

}  // namespace tallowmere::testing
