#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <thread>
#include <type_traits>
// Needs the types <windows.h> declares.
#include <commctrl.h>

#include "MouseClick.h"
#include "ProgramFixture.h"
#include "UiProbe.h"

namespace tallowmere::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// Well into a pass but far from its end, so a click cannot come after it.
bool isEarly(const std::string& percent) {
  const int done = std::atoi(percent.c_str());
  return done >= 5 && done <= 60;
}

// A progress window as seen at one moment: its bar asked before and after its texts, which
// the program may change between the questions.
struct ProgressSample {
  std::string title;
  std::string percent;
  LRESULT barBefore = 0;
  LRESULT barAfter = 0;
};

// The bar is asked twice and the texts read in between as Windows keeps them, without
// waiting for the busy program to answer again. None when the window went meanwhile.
std::optional<ProgressSample> sampleProgress(HWND progress) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(progress, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  if (children.size() != 4 || className(children[0]) != "msctls_progress32") return std::nullopt;
  ProgressSample sample;
  sample.barBefore = ask(children[0], PBM_GETPOS);
  sample.title = caption(children[1]);
  sample.percent = caption(children[2]);
  sample.barAfter = ask(children[0], PBM_GETPOS);
  if (sample.barBefore == NoAnswer || sample.barAfter == NoAnswer) return std::nullopt;
  return sample;
}

HCURSOR cursorShown() {
  CURSORINFO cursor{};
  cursor.cbSize = sizeof cursor;
  GetCursorInfo(&cursor);
  return cursor.hCursor;
}

// While a pass runs, the mouse moved along the progress window's bar stays where the user
// puts it and, while the window is there, shows that the program is at work: not the cursor
// it showed while the program waited. Says what went wrong; empty when nothing.
std::string mouseTroubleOver(HWND progress, HCURSOR idle) {
  RECT bar{};
  GetWindowRect(GetWindow(progress, GW_CHILD), &bar);
  const auto mouseAt = [](POINT put) {
    POINT at{};
    GetCursorPos(&at);
    return at.x == put.x && at.y == put.y;
  };
  std::ostringstream trouble;
  for (LONG x = bar.left + 4; x < bar.right - 4; x += (bar.right - bar.left) / 4) {
    const POINT put{x, (bar.top + bar.bottom) / 2};
    moveMouseTo(put);
    for (int wait = 0; wait < 50 && !mouseAt(put); ++wait) std::this_thread::sleep_for(10ms);
    // Held there for a batch or two of the program's.
    std::this_thread::sleep_for(120ms);
    if (!mouseAt(put)) trouble << "the mouse left " << put.x << "," << put.y << "; ";
    // A batch may take longer on a loaded machine: the cursor changes once it is done.
    const bool overProgress = GetAncestor(WindowFromPoint(put), GA_ROOT) == progress;
    if (overProgress &&
        !waitUntil([&] { return cursorShown() != idle || !IsWindow(progress); }, 1s)) {
      trouble << "the cursor of a program at rest at " << put.x << "," << put.y << "; ";
    }
  }
  return trouble.str();
}

// The window program's windows as a user sees and works them.
class WindowProgramTest : public WindowProgramFixture {
 protected:
  // Returns the main window, or null when it did not come.
  HWND processTheLargeExportWithEveryOption() {
    fs::copy_file(fromEnvironment(L"TALLOWMERE_LARGE"), folder / "Import.txa");
    HWND main = startWithMainWindow();
    if (!main) return nullptr;
    for (const std::string& text : CorrectionBoxes) {
      HWND box = control(main, text);
      EXPECT_TRUE(box) << text;
      EXPECT_TRUE(clickBoxTo(box, BST_CHECKED)) << text;
    }
    idleCursor = cursorShown();
    press(main, "Process");
    return main;
  }

  // Watches progress windows until the main window takes input again.
  std::vector<ProgressSample> watchProgress(HWND main) {
    std::vector<ProgressSample> samples;
    auto idleSince = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - idleSince < 1500ms) {
      HWND progress = waitForCaption(run->id(), ProgressCaption, 0ms);
      if (std::optional<ProgressSample> sample =
              progress ? sampleProgress(progress) : std::nullopt) {
        if (samples.empty() && sample->barAfter > 0) shoot(progress, L"progress-window.bmp");
        samples.push_back(*sample);
      }
      if (progress || !IsWindowEnabled(main)) idleSince = std::chrono::steady_clock::now();
      std::this_thread::sleep_for(20ms);
    }
    return samples;
  }

  HCURSOR idleCursor = nullptr;
};

TEST_F(WindowProgramTest, TheMainWindowShowsItsControlsInTheirPlacesAndCloseEndsWithZero) {
  fs::copy_file(fromEnvironment(L"TALLOWMERE_EXAMPLE"), folder / "Import.txa");
  HWND main = startWithMainWindow();
  ASSERT_TRUE(main);
  std::this_thread::sleep_for(500ms);

  const std::vector<SeenControl> controls = childrenOf(main);
  ASSERT_EQ(controls.size(), 13u);
  for (const std::string& text : CorrectionBoxes) {
    const SeenControl* box = findByText(controls, text);
    ASSERT_TRUE(box) << text;
    EXPECT_TRUE(isCheckBox(*box)) << text;
    EXPECT_EQ(ask(box->handle, BM_GETCHECK), BST_UNCHECKED) << text;
  }
  // The file names are shortened in the middle where they do not fit, the status line at its
  // end; it is empty until Process has run.
  for (const char* text : {"Import Filename: Import.txa", "Export Filename: Export.txa", ""}) {
    const SeenControl* label = findByText(controls, text);
    ASSERT_TRUE(label) << text;
    EXPECT_EQ(label->className, "Static");
    EXPECT_EQ(label->style & SS_ELLIPSISMASK, *text ? SS_PATHELLIPSIS : SS_ENDELLIPSIS) << text;
  }
  const SeenControl* process = findByText(controls, "Process");
  const SeenControl* close = findByText(controls, "Close");
  const SeenControl* showInFolder = findByText(controls, "Show in Folder");
  ASSERT_TRUE(process && close && showInFolder);
  EXPECT_TRUE(isPushButton(*process) && isPushButton(*close) && isPushButton(*showInFolder));
  EXPECT_EQ(process->style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_FALSE(showInFolder->style & WS_VISIBLE) << "shown before anything was written";
  std::vector<const SeenControl*> browse;
  for (const SeenControl& seen : controls) {
    if (seen.text == Browse) browse.push_back(&seen);
  }
  ASSERT_EQ(browse.size(), 2u);
  for (const SeenControl* button : browse) {
    EXPECT_EQ(button->style & BS_TYPEMASK, BS_PUSHBUTTON);
  }

  std::vector<std::string> order = CorrectionBoxes;
  order.insert(order.end(), {"Process", "Close", Browse, Browse});
  EXPECT_EQ(tabOrder(main), order);

  // Every control where its dialog units put it, with the units the first control shows.
  const struct {
    const SeenControl* seen;
    int x, y, width;
  } designed[] = {{findByText(controls, "Remove Ordinals"), 13, 8, 0},
                  {findByText(controls, "Import Filename: Import.txa"), 108, 8, 142},
                  {findByText(controls, "Correct Hash Field"), 13, 21, 0},
                  {findByText(controls, "Export Filename: Export.txa"), 108, 21, 142},
                  {findByText(controls, "Remove Guids"), 13, 34, 0},
                  {findByText(controls, "Correct Window Font"), 13, 47, 0},
                  {findByText(controls, "Correct AT"), 13, 61, 0},
                  {process, 13, 127, 45},
                  {close, 249, 127, 45},
                  {browse[0], 254, 6, 40},
                  {browse[1], 254, 19, 40},
                  {findByText(controls, ""), 13, 86, 281},
                  {showInFolder, 13, 100, 70}};
  const double unitX = close->place.left / 249.0;
  const double unitY = process->place.top / 127.0;
  EXPECT_GT(unitX, 1.0);
  for (const auto& place : designed) {
    const std::string text = place.seen->text;
    EXPECT_NEAR(place.seen->place.left, place.x * unitX, 2.0) << text;
    EXPECT_NEAR(place.seen->place.top, place.y * unitY, 2.0) << text;
    if (place.width) {
      EXPECT_NEAR(place.seen->place.right - place.seen->place.left, place.width * unitX, 2.0)
          << text;
    }
  }
  RECT client{};
  GetClientRect(main, &client);
  EXPECT_NEAR(client.right, 300 * unitX, 3.0);
  EXPECT_NEAR(client.bottom, 147 * unitY, 3.0);

  // Clicked in quick succession, every box shows what each click made of it, however far
  // behind the program is with taking the clicks.
  std::string misshown;
  for (LRESULT wanted : {BST_CHECKED, BST_UNCHECKED, BST_CHECKED, BST_UNCHECKED, BST_CHECKED,
                         BST_UNCHECKED, BST_CHECKED, BST_UNCHECKED, BST_CHECKED, BST_UNCHECKED}) {
    for (const std::string& text : CorrectionBoxes) {
      if (!clickBoxTo(findByText(controls, text)->handle, wanted)) {
        misshown += text + (wanted == BST_CHECKED ? " not ticked; " : " not cleared; ");
      }
    }
  }
  EXPECT_EQ(misshown, "") << "clicks whose box showed otherwise";

  press(main, "Close");
  EXPECT_EQ(run->exitStatus(20s), 0u);
}

struct WindowDestroyer {
  void operator()(HWND window) const { DestroyWindow(window); }
};
using WindowOfOurs = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// A window of the driver's own is asked by Windows when activation moves to or from it.
void answerMessagesFor(std::chrono::milliseconds time) {
  const auto until = std::chrono::steady_clock::now() + time;
  while (std::chrono::steady_clock::now() < until) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    std::this_thread::sleep_for(10ms);
  }
}

TEST_F(WindowProgramTest, TheKeyboardWorksTheMainWindowAsInEveryWindowsDialog) {
  fs::copy_file(fromEnvironment(L"TALLOWMERE_EXAMPLE"), folder / "Import.txa");
  HWND main = startWithMainWindow();
  ASSERT_TRUE(main);
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(windowText(focusOf(main)), "Remove Ordinals");
  type({VK_SPACE});
  EXPECT_EQ(ask(control(main, "Remove Ordinals"), BM_GETCHECK), BST_CHECKED);
  type({VK_TAB});
  EXPECT_EQ(windowText(focusOf(main)), "Correct Hash Field");
  // Moving the window, which the program hears of, leaves the focus where the user put it, and
  // so does going to another window and back.
  RECT place{};
  GetWindowRect(main, &place);
  SetWindowPos(main, nullptr, place.left + 9, place.top + 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(windowText(focusOf(main)), "Correct Hash Field");
  {
    const WindowOfOurs other(CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0,
                                             60, 40, nullptr, nullptr, nullptr, nullptr));
    SetForegroundWindow(other.get());
    answerMessagesFor(300ms);
    EXPECT_NE(GetForegroundWindow(), main);
  }
  SetForegroundWindow(main);
  answerMessagesFor(300ms);
  EXPECT_EQ(windowText(focusOf(main)), "Correct Hash Field");
  // Through the Browse buttons, each the default button while it has the focus, and back.
  type({VK_SHIFT, VK_TAB});
  type({VK_SHIFT, VK_TAB});
  EXPECT_EQ(windowText(focusOf(main)), Browse);
  type({VK_SHIFT, VK_TAB});
  EXPECT_EQ(windowText(focusOf(main)), Browse);
  type({VK_TAB});
  type({VK_TAB});
  EXPECT_EQ(windowText(focusOf(main)), "Remove Ordinals");

  // Enter on a check box presses the window's default button, Process, again.
  type({VK_RETURN});
  EXPECT_TRUE(waitForWindow(
      run->id(), [&](HWND) { return fs::exists(folder / "Export.txa") && IsWindowEnabled(main); },
      20s))
      << "Enter did not press Process";
  type({VK_ESCAPE});
  EXPECT_EQ(run->exitStatus(20s), 0u);
}

TEST_F(WindowProgramTest,
       TheConsoleFaceStartedWithoutArgumentsOpensTheSameWindowAndAltF4EndsItWithZero) {
  HWND main = startWithMainWindow(L".com");
  ASSERT_TRUE(main);
  EXPECT_EQ(childrenOf(main).size(), 13u);
  std::this_thread::sleep_for(300ms);
  type({VK_MENU, VK_F4});
  EXPECT_EQ(run->exitStatus(20s), 0u);
}

TEST_F(WindowProgramTest, EveryOptionAndProcessShowEachPassAndExportWhatTheBatchConverterDoes) {
  HWND main = processTheLargeExportWithEveryOption();
  ASSERT_TRUE(main);
  const std::vector<ProgressSample> samples = watchProgress(main);

  std::set<std::string> titles;
  int midway = 0;
  const std::regex percent(R"(\d{1,3}% Completed?)");
  for (const ProgressSample& sample : samples) {
    titles.insert(sample.title);
    EXPECT_TRUE(std::regex_match(sample.percent, percent)) << sample.percent;
    // The bar shows what the text says, give or take the step the program may take between
    // the questions.
    const LRESULT shown = std::atoi(sample.percent.c_str());
    EXPECT_TRUE(sample.barBefore - 1 <= shown && shown <= sample.barAfter + 1)
        << sample.title << ": the bar at " << sample.barBefore << ".." << sample.barAfter
        << " under " << sample.percent;
    if (shown > 0 && shown < 100) ++midway;
  }
  EXPECT_GE(titles.size(), 3u) << "passes seen: " << titles.size();
  EXPECT_GE(midway, 3) << "too few progress windows seen midway to compare bar and text";

  press(main, "Close");
  EXPECT_EQ(run->exitStatus(20s), 0u);
  EXPECT_TRUE(readAll(folder / "Export.txa") == readAll(fromEnvironment(L"TALLOWMERE_EXPECTED")))
      << "the export differs from the batch converter's";
}

TEST_F(WindowProgramTest, CancelDuringAPassEndsItAtOnceAndSaysWhatWasDone) {
  HWND main = processTheLargeExportWithEveryOption();
  ASSERT_TRUE(main);
  // Cancel is clicked once a pass is well under way, in whichever pass that is, and takes
  // effect when its progress window goes; clicked again in a later pass if the one clicked
  // ended before the click reached it.
  std::optional<std::chrono::steady_clock::duration> answered;
  HWND firstProgress = waitForCaption(run->id(), ProgressCaption, 20s);
  ASSERT_TRUE(firstProgress);
  EXPECT_EQ(mouseTroubleOver(firstProgress, idleCursor), "");
  const auto until = std::chrono::steady_clock::now() + 30s;
  while (!answered && std::chrono::steady_clock::now() < until) {
    HWND progress = waitForCaption(run->id(), ProgressCaption, 1s);
    const std::vector<SeenControl> controls =
        progress ? childrenOf(progress) : std::vector<SeenControl>{};
    if (controls.size() != 4 || !isEarly(controls[2].text)) continue;
    // At a pass's end the main window is enabled just before its progress window goes (so
    // that Windows gives it the activation back): enabled, it counts only if that one stays.
    EXPECT_TRUE(!IsWindowEnabled(main) || waitUntil([&] { return !IsWindow(progress); }, 2s))
        << "the progress window is modal";
    const auto clicked = std::chrono::steady_clock::now();
    // A pass that ended meanwhile took its Cancel with it: the next one is clicked.
    if (!clickWithMouse(controls[3].handle)) continue;
    while (IsWindow(progress) && std::chrono::steady_clock::now() - clicked < 3s) {
      std::this_thread::sleep_for(5ms);
    }
    const auto took = std::chrono::steady_clock::now() - clicked;
    if (!IsWindow(progress) && waitForBox(10s)) answered = took;
  }
  ASSERT_TRUE(answered);
  const long long milliseconds =
      std::chrono::duration_cast<std::chrono::milliseconds>(*answered).count();
  // How soon is for the benchmark to say; that the pass was cut short, the notice shows.
  std::printf("Cancel took effect after %lld ms\n", milliseconds);
  HWND box = waitForBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(windowText(box), "Conversion Incomplete");
  press(box, "OK");
  EXPECT_TRUE(waitForWindow(
      run->id(), [&](HWND) { return IsWindowEnabled(main); }, 10s));
  press(main, "Close");
  EXPECT_EQ(run->exitStatus(20s), 0u);
}

RECT frameOf(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  return frame;
}

std::string shown(const RECT& rect) {
  std::ostringstream text;
  text << rect.left << "," << rect.top << " - " << rect.right << "," << rect.bottom;
  return text.str();
}

TEST_F(WindowProgramTest, EveryWindowStaysOnScreenAndTheMainWindowFollowsItsMonitorsScale) {
  fs::copy_file(fromEnvironment(L"TALLOWMERE_LARGE"), folder / "Import.txa");
  // A place kept from a monitor far to the right and below, which is no longer there.
  const fs::path settings = fromEnvironment(L"APPDATA") / "Tallowmere";
  fs::create_directories(settings);
  std::ofstream(settings / "Tallowmere.INI")
      << "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=2400\r\nYPos=1800\r\n";
  start();
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT work = monitor.rcWork;
  // The nearest place on the work area: in its bottom right corner.
  HWND main = waitForWindow(
      run->id(),
      [&](HWND window) {
        const RECT frame = frameOf(window);
        return windowText(window) == MainCaption && frame.right == work.right &&
               frame.bottom == work.bottom && frame.left >= work.left && frame.top >= work.top;
      },
      20s);
  ASSERT_TRUE(main) << "not in the corner of the work area " << shown(work);

  // Dragged half off the screen, the window's progress windows still come up on it.
  SetWindowPos(main, nullptr, work.right - 100, work.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  std::this_thread::sleep_for(300ms);
  press(main, "Process");
  HWND progress = waitForCaption(run->id(), ProgressCaption, 20s);
  ASSERT_TRUE(progress);
  RECT onScreen{};
  const RECT frame = frameOf(progress);
  EXPECT_TRUE(IntersectRect(&onScreen, &frame, &work) && EqualRect(&onScreen, &frame))
      << shown(frame) << " off the work area " << shown(work);
  ASSERT_TRUE(waitForPassesToEnd(main));

  // Moved onto a monitor a quarter as fine again: the window takes the rectangle Windows
  // suggests, and its controls grow with the font. (At half as fine again the window would be
  // wider than the test's desktop, which Windows would not let it be.)
  const RECT before = findByText(childrenOf(main), "Close")->place;
  const std::optional<RECT> suggested = run->moveOntoScale(main, 120, {work.left, work.top});
  ASSERT_TRUE(suggested);
  EXPECT_EQ(shown(frameOf(main)), shown(*suggested));
  const RECT after = findByText(childrenOf(main), "Close")->place;
  const auto grew = [](LONG from, LONG to) { return std::abs(to - from * 1.25) <= from * 0.1; };
  EXPECT_TRUE(grew(before.left, after.left) &&
              grew(before.right - before.left, after.right - after.left) &&
              grew(before.bottom - before.top, after.bottom - after.top))
      << "Close from " << shown(before) << " to " << shown(after);
  RECT client{};
  GetClientRect(main, &client);
  EXPECT_TRUE(after.right <= client.right && after.bottom <= client.bottom) << shown(client);
  shoot(main, L"main-window-at-120-dpi.bmp");

  press(main, "Close");
  EXPECT_EQ(run->exitStatus(20s), 0u);
}

TEST_F(WindowProgramTest, TheWindowsPlaceAndTheTickedCorrectionsComeBackOnTheNextStart) {
  fs::copy_file(fromEnvironment(L"TALLOWMERE_EXAMPLE"), folder / "Import.txa");
  HWND main = startWithMainWindow();
  ASSERT_TRUE(main);
  SetWindowPos(main, nullptr, 123, 97, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  const std::set<std::string> ticked = {"Remove Guids", "Correct AT"};
  for (const std::string& text : ticked) ASSERT_TRUE(clickBoxTo(control(main, text), BST_CHECKED));
  std::this_thread::sleep_for(300ms);
  press(main, "Close");
  ASSERT_EQ(run->exitStatus(20s), 0u);

  start();
  // Kept in dialog units: back within one unit, once the settings are read.
  const auto atItsPlace = [](HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    return std::abs(frame.left - 123) <= 4 && std::abs(frame.top - 97) <= 4;
  };
  main = waitForWindow(
      run->id(),
      [&](HWND window) { return windowText(window) == MainCaption && atItsPlace(window); }, 20s);
  const std::string settings =
      readAll(fromEnvironment(L"APPDATA") / "Tallowmere" / "Tallowmere.INI");
  ASSERT_TRUE(main) << "the main window did not come back at its place; the settings: " << settings;
  for (const std::string& text : CorrectionBoxes) {
    EXPECT_EQ(ask(control(main, text), BM_GETCHECK),
              ticked.contains(text) ? BST_CHECKED : BST_UNCHECKED)
        << text << "; the settings: " << settings;
  }
  press(main, "Close");
  EXPECT_EQ(run->exitStatus(20s), 0u);
}

// With no console to print on, the window program shows what it answers its command line.
TEST_F(WindowProgramTest, TheWindowProgramShowsItsHelpAndUsageErrorsInMessageBoxes) {
  start(L".exe", {L"--no-such-option"});
  EXPECT_EQ(answerBox("OK"), std::string(MainCaption) +
                                 ": tallowmere: unknown option --no-such-option (see tallowmere "
                                 "--help)");
  EXPECT_EQ(run->exitStatus(20s), 2u);

  // The help in a box of its own, as a console shows it: every line whole, the box on the
  // screen.
  start(L".exe", {L"/?"});
  HWND box = waitForBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(windowText(box), MainCaption);
  const std::vector<SeenControl> parts = childrenOf(box);
  const SeenControl* help = findByClass(parts, "Edit");
  ASSERT_TRUE(help);
  const std::string text = windowText(help->handle);
  EXPECT_TRUE(text.starts_with("Usage: tallowmere ")) << text;
  EXPECT_EQ(ask(help->handle, EM_GETLINECOUNT), std::count(text.begin(), text.end(), '\n') + 1)
      << "lines wrapped";
  // The longest line's end and the text's end are in sight: the screen has room for them.
  RECT inside{};
  GetClientRect(help->handle, &inside);
  std::size_t longestEnd = 0;
  std::size_t longest = 0;
  for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
    end = text.find('\n', start);
    const std::size_t length = (end == std::string::npos ? text.size() : end) - start;
    if (length > longest) {
      longest = length;
      longestEnd = start + length - 1;
    }
  }
  for (const std::size_t at : {longestEnd, text.size() - 1}) {
    DWORD_PTR place = 0;
    SendMessageTimeoutW(help->handle, EM_POSFROMCHAR, at, 0, SMTO_BLOCK, 2000, &place);
    const POINT point{static_cast<short>(LOWORD(place)), static_cast<short>(HIWORD(place))};
    EXPECT_TRUE(PtInRect(&inside, point)) << "character " << at << " out of sight";
  }
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(box, MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT frame{};
  GetWindowRect(box, &frame);
  RECT onScreen{};
  EXPECT_TRUE(IntersectRect(&onScreen, &frame, &monitor.rcWork) && EqualRect(&onScreen, &frame))
      << shown(frame) << " off the work area " << shown(monitor.rcWork);
  std::this_thread::sleep_for(300ms);
  shoot(box, L"help-box.bmp");
  answer(box, "OK");
  EXPECT_EQ(run->exitStatus(20s), 0u);
}

}  // namespace
}  // namespace tallowmere::testing
