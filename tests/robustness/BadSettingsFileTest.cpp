#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/GlobalObjects.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "robustness/FileFingerprint.h"
#include "robustness/InProcessFixture.h"
#include "support/TestText.h"
#include "support/headless/HeadlessFrontEnd.h"

namespace tallowmere::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* MainCaption = "C7 to C6 Tallowmere";
constexpr int RemoveOrdinalsBox = 1;
constexpr int ProcessButton = 8;
constexpr int CloseButton = 9;
constexpr runtime::Point MovedTo{12, 34};

// Keeps where the main window stood each time it was drawn.
class PlacementProbe : public platform::HeadlessFrontEnd {
 public:
  void drawWindow(const runtime::Window& window) override {
    HeadlessFrontEnd::drawWindow(window);
    if (window.caption() == MainCaption) positions.push_back(window.position());
  }
  std::vector<runtime::Point> positions;
};

fs::file_type kindOf(const fs::path& path) {
  std::error_code ignored;
  return fs::status(path, ignored).type();
}

platform::When onMain() {
  return platform::inWindow(MainCaption);
}

std::string binaryBytes() {
  std::mt19937 random(7);
  std::string bytes(4096, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
  return bytes;
}

void writeHugeFile(const fs::path& path) {
  std::ofstream out(path, std::ios::binary);
  const std::string line = "Junk=" + std::string(1000, 'j') + "\r\n";
  for (int i = 0; i < 6000; ++i) out << line;
}

struct BadSettings {
  const char* what;
  std::function<void(const fs::path& config)> make;
  bool placementRemembered;
};

// Whatever stands where the settings file should be, the program starts and converts;
// what it cannot read or replace is left as it was, and only the placement is then lost.
class BadSettingsFile : public InProcessTest {
 protected:
  fs::path config() const { return folder / "config"; }
  fs::path settings() const { return config() / "Tallowmere.INI"; }

  // Moves the main window, converts and closes; returns where the window first stood.
  runtime::Point convertAndMove() {
    app::LOC_Options = {};  // as in a process of its own
    PlacementProbe screen;
    screen.script(onMain(), platform::moveTo(MovedTo));
    screen.script(onMain(), platform::press(RemoveOrdinalsBox));
    screen.script(onMain(), platform::press(ProcessButton));
    screen.script(onMain(), platform::press(CloseButton));
    runMain(screen);
    EXPECT_TRUE(screen.messageBoxes().empty());
    return screen.positions.empty() ? runtime::Point{} : screen.positions.front();
  }
  // Opens and closes the main window; returns where it stood.
  runtime::Point reopen() {
    PlacementProbe screen;
    screen.script(onMain(), platform::press(CloseButton));
    runMain(screen);
    return screen.positions.empty() ? runtime::Point{} : screen.positions.back();
  }

 private:
  static void runMain(PlacementProbe& screen) {
    runtime::ScopedFrontEnd installed(screen);
    app::RunProgram(app::Main);
  }
};

TEST_F(BadSettingsFile, NeverStopsTheProgram) {
  const std::vector<BadSettings> cases{
      {"garbage text",
       [](const fs::path& config) {
         fs::create_directory(config);
         writeFile(config / "Tallowmere.INI",
                   "[[[=\n=x\r\n[Main\r\n[Main]\r\nMaximize=Perhaps\r\nXPos=-\r\n"
                   "YPos=99999999999999999999\r\n[__Dont_Touch_Me__]\r\nSectors=-5\r\n]]]");
       },
       true},
      {"binary bytes",
       [](const fs::path& config) {
         fs::create_directory(config);
         writeFile(config / "Tallowmere.INI", binaryBytes());
       },
       true},
      {"a huge file",
       [](const fs::path& config) {
         fs::create_directory(config);
         writeHugeFile(config / "Tallowmere.INI");
       },
       false},
      {"a folder in its place",
       [](const fs::path& config) { fs::create_directories(config / "Tallowmere.INI"); }, false},
      // As root no permission refuses anything, but a file where the folder should be stops
      // the folder from being made and the settings from being written into it.
      {"its folder not writable", [](const fs::path& config) { writeFile(config, "not a folder"); },
       false},
  };
  for (const BadSettings& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(config());
    c.make(config());
    const FileFingerprint settingsBefore = fingerprint(settings());
    const FileFingerprint configBefore = fingerprint(config());
    const fs::file_type kindBefore = kindOf(settings());
    writeFile(folder / "Import.txa", crlf({"A,#ORDINAL(1)"}));
    fs::remove(folder / "Export.txa");

    const runtime::Point designed = convertAndMove();
    EXPECT_EQ(output(), crlf({"A"}));
    ASSERT_FALSE(designed == MovedTo);
    const runtime::Point reopened = reopen();
    EXPECT_TRUE(reopened == (c.placementRemembered ? MovedTo : designed))
        << reopened.x << "," << reopened.y;
    if (!c.placementRemembered) {
      EXPECT_EQ(kindOf(settings()), kindBefore);
      EXPECT_EQ(fingerprint(settings()), settingsBefore);
      EXPECT_EQ(fingerprint(config()), configBefore);
    }
  }
}

}  // namespace
}  // namespace tallowmere::testing
