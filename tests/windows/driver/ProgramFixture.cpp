#include "ProgramFixture.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

#include "MouseClick.h"

namespace tallowmere::testing {

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

LRESULT ask(HWND control, UINT message) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(control, message, 0, 0, SMTO_BLOCK, 2000, &answer)) return NoAnswer;
  return static_cast<LRESULT>(answer);
}

const std::vector<std::string> CorrectionBoxes = {
    "Remove Ordinals", "Correct Hash Field", "Remove Guids", "Correct Window Font", "Correct AT"};

namespace {

bool showsWithin(HWND box, LRESULT wanted, std::chrono::milliseconds time) {
  return waitUntil([&] { return ask(box, BM_GETCHECK) == wanted; }, time);
}

}  // namespace

// Under Wine a click can come to nothing, its press taken off the box by a pointer move
// reported late: a box that shows no change at all is clicked once more, and said so; one
// that changed to anything else is not.
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

HWND focusOf(HWND window) {
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
  return thread.hwndFocus;
}

void type(std::initializer_list<WORD> chord) {
  pressKeys(chord);
  std::this_thread::sleep_for(300ms);
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds within) {
  const auto until = std::chrono::steady_clock::now() + within;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(10ms);
  }
  return true;
}

void WindowProgramFixture::SetUp() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  folder = fromEnvironment(L"TALLOWMERE_WORK") / test->name();
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::remove(fromEnvironment(L"APPDATA") / "Tallowmere" / "Tallowmere.INI");
}

void WindowProgramFixture::start(const wchar_t* face, const std::vector<std::wstring>& arguments) {
  const fs::path program = fromEnvironment(L"TALLOWMERE_EXE").replace_extension(face);
  run.reset();
  run = std::make_unique<ProgramRun>(program.wstring(), folder.wstring(), arguments);
}

HWND WindowProgramFixture::startWithMainWindow(const wchar_t* face,
                                               const std::vector<std::wstring>& arguments) {
  start(face, arguments);
  HWND window = waitForCaption(run->id(), MainCaption, 20s);
  EXPECT_TRUE(window) << "no main window";
  return window;
}

namespace {

std::string withoutAccessMark(std::string text) {
  std::erase(text, '&');
  return text;
}

}  // namespace

HWND WindowProgramFixture::control(HWND window, const std::string& text) {
  for (const SeenControl& seen : childrenOf(window)) {
    if (withoutAccessMark(seen.text) == text) return seen.handle;
  }
  return nullptr;
}

void WindowProgramFixture::press(HWND window, const std::string& text) {
  HWND button = control(window, text);
  ASSERT_TRUE(button) << text;
  ASSERT_TRUE(clickWithMouse(button)) << text;
}

HWND WindowProgramFixture::waitForBox(std::chrono::milliseconds within) {
  return waitForWindow(
      run->id(), [](HWND window) { return className(window) == "#32770"; }, within);
}

std::string WindowProgramFixture::answerBox(const std::string& button) {
  HWND box = waitForBox();
  return box ? answer(box, button) : std::string();
}

std::string WindowProgramFixture::answer(HWND box, const std::string& button) {
  std::string seen = windowText(box) + ":";
  for (const SeenControl& control : childrenOf(box)) {
    if (control.className == "Static" && !control.text.empty()) seen += " " + control.text;
  }
  HWND answer = control(box, button);
  EXPECT_TRUE(answer) << "no " << button << " on " << seen;
  if (answer) clickWithMouse(answer);
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 10s))
      << "the box stayed: " << seen;
  return seen;
}

bool WindowProgramFixture::waitForPassesToEnd(HWND main) {
  const auto until = std::chrono::steady_clock::now() + 60s;
  auto enabledSince = std::chrono::steady_clock::now();
  while (std::chrono::steady_clock::now() < until) {
    if (!IsWindowEnabled(main)) enabledSince = std::chrono::steady_clock::now();
    if (std::chrono::steady_clock::now() - enabledSince > 1500ms) return true;
    std::this_thread::sleep_for(20ms);
  }
  return false;
}

void WindowProgramFixture::shoot(HWND window, const wchar_t* name) {
  const fs::path shots = fromEnvironment(L"TALLOWMERE_SHOTS");
  if (!shots.empty()) {
    EXPECT_TRUE(saveScreenshot(window, (shots / name).wstring()));
  }
}

}  // namespace tallowmere::testing
