// Times Cancel in the window program as a user meets it: with every correction ticked and
// Process pressed, waits until the progress window of one pass shows a percentage, clicks
// its Cancel with the mouse and measures how long that window takes to go and what the
// program shows next (the following pass's window or a message box). The program is ended
// then, so a run costs no more than the passes up to the one timed.
//
//   window_cancel_timing PASS PERCENT
//
// The program is TALLOWMERE_EXE, run in the folder TALLOWMERE_WORK (which holds its
// Import.txa). Prints one line: the seconds from the click until the window went, the
// percentages shown at the click and last, and the next window with its own time.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <thread>

#include "MouseClick.h"
#include "UiProbe.h"

namespace tallowmere::testing {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto Poll = 1ms;

// What a progress window shows, read without sending the busy program a message (Windows
// keeps a window's text where other programs can read it), so a reading never waits for
// the program to look at its messages.
struct ProgressParts {
  HWND operation = nullptr;
  HWND percent = nullptr;
  HWND cancel = nullptr;
};

// The controls in the order the window made them: the bar, the operation, the percentage
// and Cancel.
BOOL CALLBACK sortChild(HWND child, LPARAM data) {
  auto* parts = reinterpret_cast<ProgressParts*>(data);
  const std::string kind = className(child);
  if (kind == "Button") {
    parts->cancel = child;
  } else if (kind == "Static") {
    (parts->operation ? parts->percent : parts->operation) = child;
  }
  return TRUE;
}

ProgressParts partsOf(HWND window) {
  ProgressParts parts;
  EnumChildWindows(window, sortChild, reinterpret_cast<LPARAM>(&parts));
  return parts;
}

int percentShown(const ProgressParts& parts) {
  return std::atoi(caption(parts.percent).c_str());
}

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Thrown out to main, so that the program under test is ended on the way.
[[noreturn]] void fail(const std::string& why) {
  throw std::runtime_error(why);
}

std::wstring fromEnvironment(const wchar_t* name) {
  const wchar_t* value = _wgetenv(name);
  if (!value) fail("TALLOWMERE_EXE and TALLOWMERE_WORK must be set");
  return value;
}

void tickEveryCorrectionAndProcess(HWND main) {
  const std::vector<SeenControl> controls = childrenOf(main);
  for (const char* text : {"Remove Ordinals", "Correct Hash Field", "Remove Guids",
                           "Correct Window Font", "Correct AT"}) {
    const SeenControl* box = findByText(controls, text);
    if (!box) fail(std::string("no check box ") + text);
    DWORD_PTR state = 0;
    SendMessageTimeoutW(box->handle, BM_GETCHECK, 0, 0, SMTO_BLOCK, 2000, &state);
    if (state != BST_CHECKED)
      SendMessageTimeoutW(box->handle, BM_CLICK, 0, 0, SMTO_BLOCK, 2000, &state);
  }
  const SeenControl* process = findByText(controls, "Process");
  if (!process) fail("no Process button");
  if (!clickWithMouse(process->handle)) fail("the mouse click was not taken by the system");
}

// The progress window of the pass once it shows at least the percentage.
HWND waitForPassAt(ProgramRun& run, HWND main, const std::string& pass, int percent) {
  const std::string missed = pass + " never showed " + std::to_string(percent) + " %";
  bool seen = false;
  while (!run.exitStatus(0ms)) {
    HWND window = waitForCaption(run.id(), ProgressCaption, 1s);
    // No progress window for a second and the main window free again: the conversion is over.
    if (!window && IsWindowEnabled(main)) fail(missed);
    const ProgressParts parts = window ? partsOf(window) : ProgressParts{};
    const bool ours = parts.cancel && caption(parts.operation) == pass;
    if (ours && percentShown(parts) >= percent) return window;
    if (seen && window && !ours) fail(missed);
    seen = seen || ours;
    std::this_thread::sleep_for(Poll);
  }
  fail(missed);
}

// The first window the program shows after the one that went: the next pass's progress
// window (named by its operation) or a message box (named by its caption).
std::string nextWindow(ProgramRun& run, HWND gone, std::chrono::seconds within) {
  const auto shown = [&](HWND window) {
    return window != gone && (caption(window) == ProgressCaption || className(window) == "#32770");
  };
  HWND next = waitForWindow(run.id(), shown, within);
  if (!next) return "nothing";
  if (className(next) == "#32770") return "the box \"" + caption(next) + "\"";
  std::string operation;
  for (auto until = Clock::now() + 1s; operation.empty() && Clock::now() < until;) {
    operation = caption(partsOf(next).operation);
  }
  return operation.empty() ? "a progress window" : operation;
}

void timeOneCancel(const std::string& pass, int percent) {
  ProgramRun run(fromEnvironment(L"TALLOWMERE_EXE"), fromEnvironment(L"TALLOWMERE_WORK"));
  HWND main = waitForCaption(run.id(), MainCaption, 60s);
  if (!main) fail("no main window");
  tickEveryCorrectionAndProcess(main);

  HWND progress = waitForPassAt(run, main, pass, percent);
  const ProgressParts parts = partsOf(progress);
  const int clickedAt = percentShown(parts);
  const auto clicked = Clock::now();
  if (!clickWithMouse(parts.cancel)) fail("the mouse click was not taken by the system");
  int lastShown = clickedAt;
  while (IsWindow(progress) && IsWindowVisible(progress)) {
    if (secondsSince(clicked) > 30) fail(pass + " did not take the click within 30 s");
    lastShown = std::max(lastShown, percentShown(parts));
    std::this_thread::sleep_for(Poll);
  }
  const double gone = secondsSince(clicked);
  if (lastShown >= 100) fail(pass + " ran to its end before the click came; try a lower PERCENT");
  const std::string next = nextWindow(run, progress, 120s);
  const double nextAfter = secondsSince(clicked);
  std::printf("%.3f s (clicked at %d %%, last shown %d %%; then %s after %.3f s)\n", gone,
              clickedAt, lastShown, next.c_str(), nextAfter);
}

}  // namespace
}  // namespace tallowmere::testing

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: window_cancel_timing PASS PERCENT\n");
    return 2;
  }
  try {
    tallowmere::testing::timeOneCancel(argv[1], std::atoi(argv[2]));
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "window_cancel_timing: %s\n", failure.what());
    return 1;
  }
  return 0;
}
