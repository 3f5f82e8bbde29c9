#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/settings/INIClass.h"
#include "runtime/ui/Window.h"
#include "support/SettingsFolder.h"
#include "support/TempDir.h"

namespace tallowmere::framework {
namespace {

using testing::readFile;
using testing::TempDir;
using testing::writeFile;

runtime::WindowDescription design(bool resizable) {
  runtime::WindowDescription description;
  description.caption = "Main";
  description.width = 245;
  description.height = 147;
  description.position = runtime::Point{10, 20};
  description.resizable = resizable;
  return description;
}

class INIClassTest : public ::testing::Test {
 protected:
  // The entries as written; whether a blank line parts the sections is the platform's way.
  std::string settings() const {
    std::string text = readFile(settingsFile);
    for (std::size_t blank; (blank = text.find("\r\n\r\n")) != std::string::npos;) {
      text.erase(blank, 2);
    }
    return text;
  }

  TempDir folder;
  const std::filesystem::path settingsFile =
      testing::placeSettingsUnder(folder.path()) / "Tallowmere.INI";
  INIClass ini;
};

TEST_F(INIClassTest, FirstRunWritesPlacementAndEmptyBookkeeping) {
  ini.Init("Tallowmere.INI");
  runtime::Window window(design(false));
  ini.Fetch("Main", window);
  EXPECT_EQ(window.position(), (runtime::Point{10, 20}));
  window.moveTo({33, 44});
  ini.Update("Main", window);
  ini.Kill();
  EXPECT_EQ(settings(),
            "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=33\r\nYPos=44\r\n"
            "[__Dont_Touch_Me__]\r\nSectors=0\r\n");

  INIClass again;
  again.Init("Tallowmere.INI");
  runtime::Window reopened(design(false));
  again.Fetch("Main", reopened);
  EXPECT_EQ(reopened.position(), (runtime::Point{33, 44}));
}

TEST_F(INIClassTest, MaximizedCloseDropsPositionAndSizeAndReopensMaximized) {
  writeFile(settingsFile,
            "[Main]\r\nMaximize=No\r\nXPos=1\r\nYPos=2\r\nWidth=300\r\nHeight=200\r\n");
  ini.Init("Tallowmere.INI");
  runtime::Window window(design(true));
  window.setMaximized(true);
  ini.Update("Main", window);
  EXPECT_EQ(settings(), "[Main]\r\nMaximize=Yes\r\nMinimize=No\r\n");

  runtime::Window reopened(design(true));
  ini.Fetch("Main", reopened);
  EXPECT_TRUE(reopened.maximized());
  EXPECT_FALSE(reopened.minimized());
  // No stored position: the designed one stays.
  EXPECT_EQ(reopened.position(), (runtime::Point{10, 20}));
}

TEST_F(INIClassTest, FixedSizeWindowNeverStoresItsSizeAndDropsStaleEntries) {
  writeFile(settingsFile, "[Main]\r\nWidth=999\r\nHeight=999\r\n");
  ini.Init("Tallowmere.INI");
  runtime::Window window(design(false));
  ini.Update("Main", window);
  const std::string text = settings();
  EXPECT_EQ(text.find("Width"), std::string::npos);
  EXPECT_EQ(text.find("Height"), std::string::npos);
  EXPECT_NE(text.find("XPos=10"), std::string::npos);
}

TEST_F(INIClassTest, ResizableWindowRestoresItsSize) {
  writeFile(settingsFile,
            "[main]\r\nmaximize=No\r\nXPOS=5\r\nYPos=6\r\nWidth=300\r\nHeight=210\r\n");
  ini.Init("Tallowmere.INI");
  runtime::Window window(design(true));
  ini.Fetch("Main", window);
  EXPECT_EQ(window.position(), (runtime::Point{5, 6}));
  EXPECT_EQ(window.width(), 300);
  EXPECT_EQ(window.height(), 210);
}

TEST_F(INIClassTest, UnknownMaximizeValueCountsAsNoPlacement) {
  writeFile(settingsFile, "[Main]\r\nMaximize=Perhaps\r\nXPos=70\r\nYPos=80\r\n");
  ini.Init("Tallowmere.INI");
  runtime::Window window(design(false));
  ini.Fetch("Main", window);
  EXPECT_EQ(window.position(), (runtime::Point{10, 20}));
}

TEST_F(INIClassTest, MinimizedIsStoredButNeverRestored) {
  ini.Init("Tallowmere.INI");
  runtime::Window window(design(false));
  window.setMinimized(true);
  ini.Update("Main", window);
  EXPECT_NE(settings().find("Minimize=Yes"), std::string::npos);
  EXPECT_EQ(settings().find("XPos"), std::string::npos);
  runtime::Window reopened(design(false));
  ini.Fetch("Main", reopened);
  EXPECT_FALSE(reopened.minimized());
}

TEST_F(INIClassTest, SectorsSurviveARunAndHandEditedGapsReadAsEmpty) {
  writeFile(settingsFile,
            "; kept\r\n[Other]\r\nA=1\r\n\r\n[__Dont_Touch_Me__]\r\nSectors=3\r\n"
            "Sectors_1=F,I,T\r\nSectors_3=OnlyFamily\r\n");
  ini.Init("Tallowmere.INI");
  ASSERT_NE(ini.GetSectors(), nullptr);
  const auto& sectors = *ini.GetSectors();
  ASSERT_EQ(sectors.size(), 3u);
  EXPECT_EQ(sectors[0].Type, "T");
  EXPECT_EQ(sectors[1].Family, "");
  EXPECT_EQ(sectors[2].Family, "OnlyFamily");
  EXPECT_EQ(sectors[2].Item, "");
  ini.Kill();
  EXPECT_EQ(settings(),
            "; kept\r\n[Other]\r\nA=1\r\n[__Dont_Touch_Me__]\r\nSectors=3\r\n"
            "Sectors_1=F,I,T\r\nSectors_3=OnlyFamily,,\r\nSectors_2=,,\r\n");
}

TEST_F(INIClassTest, AbsurdSectorCountDoesNotStallStartUp) {
  writeFile(settingsFile, "[__Dont_Touch_Me__]\r\nSectors=2000000000\r\n");
  ini.Init("Tallowmere.INI");
  EXPECT_LE(ini.GetSectors()->size(), 1000u);
}

TEST_F(INIClassTest, ValuesAreCutAtTheBufferSize) {
  writeFile(settingsFile, "[S]\r\nK=" + std::string(5000, 'v') + "\r\n");
  ini.Init("Tallowmere.INI");
  EXPECT_EQ(ini.TryFetch("S", "K").size(), INIClass::ValueLimit);
  EXPECT_EQ(ini.FetchField("S", "K", 2), "");
}

}  // namespace
}  // namespace tallowmere::framework
