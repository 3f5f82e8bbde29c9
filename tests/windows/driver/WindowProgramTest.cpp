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
#include "UiProbe.h"

namespace tallowmere::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

fs::path fromEnvironment(const wchar_t* name) {
  const wchar_t* value = _wgetenv(name);
  return value ? fs::path(value) : fs::path();
}

std::string readAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// What a control answers when it is gone, or going, before it could answer: no answer is not
// a state of the control (a bar at 0, a box not ticked).
constexpr LRESULT NoAnswer = -1;

LRESULT ask(HWND control, UINT message) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(control, message, 0, 0, SMTO_BLOCK, 2000, &answer)) return NoAnswer;
  return static_cast<LRESULT>(answer);
}

bool showsWithin(HWND box, LRESULT wanted, std::chrono::milliseconds time) {
  const auto until = std::chrono::steady_clock::now() + time;
  while (ask(box, BM_GETCHECK) != wanted) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(5ms);
  }
  return true;
}

// Clicks a check box with the mouse and waits until the box shows the state wanted: false
// when it did not within the time. Under Wine a click can come to nothing, its press taken
// off the box by a pointer move reported late: a box that shows no change at all is clicked
// once more, and said so; one that changed to anything else is not.
bool clickBoxTo(HWND box, LRESULT wanted) {
  const LRESULT before = ask(box, BM_GETCHECK);
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (!clickWithMouse(box)) return false;
    if (showsWithin(box, wanted, 2s)) return true;
    if (ask(box, BM_GETCHECK) != before) return false;
    std::cerr << "A click on \"" << windowText(box) << "\" came to nothing; clicked again\n";
  }
  return false;
}

bool isCheckBox(const SeenControl& control) {
  return control.className == "Button" && (control.style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
}

bool isPushButton(const SeenControl& control) {
  const LONG type = control.style & BS_TYPEMASK;
  return control.className == "Button" && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

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
    const bool overProgress = GetAncestor(WindowFromPoint(put), GA_ROOT) == progress;
    if (overProgress && cursorShown() == idle) {
      trouble << "the cursor of a program at rest at " << put.x << "," << put.y << "; ";
    }
  }
  return trouble.str();
}

// Starts the window program in a folder of its own, with the given export to convert, and
// with no settings left from an earlier run.
class WindowProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = fromEnvironment(L"TALLOWMERE_WORK") / test->name();
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::remove(fromEnvironment(L"APPDATA") / "Tallowmere" / "Tallowmere.INI");
  }

  // The window program, or its console face beside it.
  void start(const wchar_t* face = L".exe") {
    const fs::path program = fromEnvironment(L"TALLOWMERE_EXE").replace_extension(face);
    run = std::make_unique<ProgramRun>(program.wstring(), folder.wstring());
  }

  HWND startWithMainWindow(const wchar_t* face = L".exe") {
    start(face);
    HWND window = waitForCaption(run->id(), MainCaption, 20s);
    EXPECT_TRUE(window) << "no main window";
    return window;
  }

  HWND control(HWND window, const std::string& text) {
    const std::vector<SeenControl> controls = childrenOf(window);
    const SeenControl* found = findByText(controls, text);
    return found ? found->handle : nullptr;
  }

  void press(HWND window, const std::string& text) {
    HWND button = control(window, text);
    ASSERT_TRUE(button) << text;
    ASSERT_TRUE(clickWithMouse(button)) << text;
  }

  // Returns the main window, or null when it did not come.
  HWND processTheLargeExportWithEveryOption() {
    fs::copy_file(fromEnvironment(L"TALLOWMERE_LARGE"), folder / "Import.txa");
    HWND main = startWithMainWindow();
    if (!main) return nullptr;
    for (const char* text : {"Remove Ordinals", "Correct Hash Field", "Remove Guids",
                             "Correct Window Font", "Correct AT"}) {
      HWND box = control(main, text);
      EXPECT_TRUE(box) << text;
      EXPECT_TRUE(clickBoxTo(box, BST_CHECKED)) << text;
    }
    idleCursor = cursorShown();
    press(main, "Process");
    return main;
  }

  HWND waitForBox(std::chrono::milliseconds within = 20s) {
    return waitForWindow(
        run->id(), [](HWND window) { return className(window) == "#32770"; }, within);
  }

  // Between two passes the main window takes input only for a moment: they are over once it
  // has done so for a while.
  bool waitForPassesToEnd(HWND main) {
    const auto until = std::chrono::steady_clock::now() + 60s;
    auto enabledSince = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() < until) {
      if (!IsWindowEnabled(main)) enabledSince = std::chrono::steady_clock::now();
      if (std::chrono::steady_clock::now() - enabledSince > 1500ms) return true;
      std::this_thread::sleep_for(20ms);
    }
    return false;
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

  void shoot(HWND window, const wchar_t* name) {
    const fs::path shots = fromEnvironment(L"TALLOWMERE_SHOTS");
    if (!shots.empty()) {
      EXPECT_TRUE(saveScreenshot(window, (shots / name).wstring()));
    }
  }

  fs::path folder;
  std::unique_ptr<ProgramRun> run;
  HCURSOR idleCursor = nullptr;
};

TEST_F(WindowProgramTest, TheMainWindowShowsItsNineControlsInTheirPlacesAndCloseEndsWithZero) {
  fs::copy_file(fromEnvironment(L"TALLOWMERE_EXAMPLE"), folder / "Import.txa");
  HWND main = startWithMainWindow();
  ASSERT_TRUE(main);
  std::this_thread::sleep_for(500ms);
  shoot(main, L"main-window.bmp");

  const std::vector<SeenControl> controls = childrenOf(main);
  ASSERT_EQ(controls.size(), 9u);
  const std::vector<std::string> boxes = {"Remove Ordinals", "Correct Hash Field", "Remove Guids",
                                          "Correct Window Font", "Correct AT"};
  for (const std::string& text : boxes) {
    const SeenControl* box = findByText(controls, text);
    ASSERT_TRUE(box) << text;
    EXPECT_TRUE(isCheckBox(*box)) << text;
    EXPECT_EQ(ask(box->handle, BM_GETCHECK), BST_UNCHECKED) << text;
  }
  for (const char* text : {"Import Filename: Import.txa", "Export Filename: Export.txa"}) {
    const SeenControl* label = findByText(controls, text);
    ASSERT_TRUE(label) << text;
    EXPECT_EQ(label->className, "Static");
  }
  const SeenControl* process = findByText(controls, "Process");
  const SeenControl* close = findByText(controls, "Close");
  ASSERT_TRUE(process && close);
  EXPECT_TRUE(isPushButton(*process) && isPushButton(*close));
  EXPECT_EQ(process->style & BS_TYPEMASK, BS_DEFPUSHBUTTON);

  std::vector<std::string> order = boxes;
  order.insert(order.end(), {"Process", "Close"});
  EXPECT_EQ(tabOrder(main), order);

  // Every control where its dialog units put it, with the units the first control shows.
  const struct {
    const char* text;
    int x, y;
  } designed[] = {{"Remove Ordinals", 13, 8},
                  {"Import Filename: Import.txa", 144, 8},
                  {"Correct Hash Field", 13, 21},
                  {"Export Filename: Export.txa", 144, 21},
                  {"Remove Guids", 13, 34},
                  {"Correct Window Font", 13, 47},
                  {"Correct AT", 13, 61},
                  {"Process", 13, 127},
                  {"Close", 196, 127}};
  const double unitX = close->place.left / 196.0;
  const double unitY = process->place.top / 127.0;
  EXPECT_GT(unitX, 1.0);
  for (const auto& place : designed) {
    const SeenControl* seen = findByText(controls, place.text);
    EXPECT_NEAR(seen->place.left, place.x * unitX, 2.0) << place.text;
    EXPECT_NEAR(seen->place.top, place.y * unitY, 2.0) << place.text;
  }
  RECT client{};
  GetClientRect(main, &client);
  EXPECT_NEAR(client.right, 245 * unitX, 3.0);
  EXPECT_NEAR(client.bottom, 147 * unitY, 3.0);

  // Clicked in quick succession, every box shows what each click made of it, however far
  // behind the program is with taking the clicks.
  std::string misshown;
  for (LRESULT wanted : {BST_CHECKED, BST_UNCHECKED, BST_CHECKED, BST_UNCHECKED, BST_CHECKED,
                         BST_UNCHECKED, BST_CHECKED, BST_UNCHECKED, BST_CHECKED, BST_UNCHECKED}) {
    for (const std::string& text : boxes) {
      if (!clickBoxTo(findByText(controls, text)->handle, wanted)) {
        misshown += text + (wanted == BST_CHECKED ? " not ticked; " : " not cleared; ");
      }
    }
  }
  EXPECT_EQ(misshown, "") << "clicks whose box showed otherwise";

  press(main, "Close");
  EXPECT_EQ(run->exitStatus(20s), 0u);
}

// The control that has the keyboard focus in the program's window thread.
HWND focusOf(HWND window) {
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
  return thread.hwndFocus;
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

// Keys pressed together on the keyboard, into the window in the foreground.
void type(std::initializer_list<WORD> chord) {
  pressKeys(chord);
  std::this_thread::sleep_for(300ms);
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
  type({VK_SHIFT, VK_TAB});
  type({VK_SHIFT, VK_TAB});
  EXPECT_EQ(windowText(focusOf(main)), "Close");
  type({VK_TAB});
  EXPECT_EQ(windowText(focusOf(main)), "Remove Ordinals");

  // Enter on a check box presses the default button.
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
  EXPECT_EQ(childrenOf(main).size(), 9u);
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
    EXPECT_FALSE(IsWindowEnabled(main) && IsWindow(progress)) << "the progress window is modal";
    const auto clicked = std::chrono::steady_clock::now();
    ASSERT_TRUE(clickWithMouse(controls[3].handle));
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

TEST_F(WindowProgramTest, AMissingImportIsFatalAndItsBoxesAnsweredOkEndWithOne) {
  HWND main = startWithMainWindow();
  ASSERT_TRUE(main);
  press(main, "Process");
  std::vector<std::string> captions;
  bool saysImport = false;
  std::optional<DWORD> status;
  // The file error's box, then the halt's own.
  while (!(status = run->exitStatus(0ms)) && captions.size() < 3) {
    HWND box = waitForBox();
    if (!box) break;
    captions.push_back(windowText(box));
    for (const SeenControl& seen : childrenOf(box)) {
      saysImport = saysImport || seen.text.find("Import.txa") != std::string::npos;
    }
    press(box, "OK");
    waitForWindow(
        run->id(), [&](HWND window) { return window != box; }, 0ms);
    std::this_thread::sleep_for(300ms);
  }
  ASSERT_FALSE(captions.empty());
  EXPECT_EQ(captions.front(), "File Access Error");
  EXPECT_TRUE(saysImport);
  EXPECT_EQ(run->exitStatus(20s), 1u);
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

  // Moved onto a monitor half as fine again: the window takes the rectangle Windows suggests,
  // and its controls grow with the font.
  const RECT before = findByText(childrenOf(main), "Close")->place;
  const std::optional<RECT> suggested = run->moveOntoScale(main, 144, {work.left, work.top});
  ASSERT_TRUE(suggested);
  EXPECT_EQ(shown(frameOf(main)), shown(*suggested));
  const RECT after = findByText(childrenOf(main), "Close")->place;
  const auto grew = [](LONG from, LONG to) { return std::abs(to - from * 1.5) <= from * 0.2; };
  EXPECT_TRUE(grew(before.left, after.left) &&
              grew(before.right - before.left, after.right - after.left) &&
              grew(before.bottom - before.top, after.bottom - after.top))
      << "Close from " << shown(before) << " to " << shown(after);
  RECT client{};
  GetClientRect(main, &client);
  EXPECT_TRUE(after.right <= client.right && after.bottom <= client.bottom) << shown(client);
  shoot(main, L"main-window-at-144-dpi.bmp");

  press(main, "Close");
  EXPECT_EQ(run->exitStatus(20s), 0u);
}

TEST_F(WindowProgramTest, AMovedWindowComesBackAtItsPlaceOnTheNextStart) {
  fs::copy_file(fromEnvironment(L"TALLOWMERE_EXAMPLE"), folder / "Import.txa");
  HWND main = startWithMainWindow();
  ASSERT_TRUE(main);
  SetWindowPos(main, nullptr, 123, 97, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
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
  ASSERT_TRUE(main) << "the main window did not come back at its place; the settings: "
                    << readAll(fromEnvironment(L"APPDATA") / "Tallowmere" / "Tallowmere.INI");
  press(main, "Close");
  EXPECT_EQ(run->exitStatus(20s), 0u);
}

}  // namespace
}  // namespace tallowmere::testing
