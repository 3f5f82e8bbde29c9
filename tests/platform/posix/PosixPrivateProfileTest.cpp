#include <gtest/gtest.h>

#include <filesystem>

#include "platform/posix/PosixPrivateProfile.h"
#include "platform/posix/ProfileDocument.h"
#include "support/FolderListing.h"
#include "support/TempDir.h"

namespace tallowmere::platform {
namespace {

using testing::entriesOf;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

TEST(ProfileDocument, EditsKeepEverythingElseAsItWas) {
  ProfileDocument document(
      "junk line\n; comment\r\n[A]\nx = 1 \n\n[B]\ny=2\n"
      "\n");
  EXPECT_EQ(document.get("a", "X"), "1");
  document.set("A", "z", "3");
  document.set("b", "Y", "4");
  document.set("C", "w", "5");
  document.remove("A", "x");
  EXPECT_EQ(document.text(),
            "junk line\r\n; comment\r\n[A]\r\nz=3\r\n\r\n[B]\r\ny=4\r\n\r\n[C]\r\nw=5\r\n");
  EXPECT_FALSE(document.get("C", "missing"));
  EXPECT_FALSE(document.get("Nope", "w"));
}

TEST(ProfileDocument, RemovingAKeyRemovesEveryCopyOfIt) {
  ProfileDocument document("[Main]\nXPos=\nYPos=1\nxpos=6\n[Other]\nXPos=7\n");
  document.remove("Main", "XPos");
  EXPECT_FALSE(document.get("Main", "XPos"));
  EXPECT_EQ(document.get("Other", "XPos"), "7");
  EXPECT_EQ(document.text(), "[Main]\r\nYPos=1\r\n[Other]\r\nXPos=7\r\n");
}

TEST(ProfileDocument, OddBytesNeverBreakParsing) {
  constexpr char bytes[] = "[\0]=\n[[[\n=\n]x[\n\xff\xfe=\xfd\n[A\nk=v";
  const std::string garbage(bytes, sizeof bytes - 1);
  ProfileDocument document(garbage);
  document.set("A", "k", "new");
  EXPECT_EQ(document.get("A", "k"), "new");
}

class PosixPrivateProfileTest : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1); }
  TempDir folder;
  PosixPrivateProfile profile;
};

TEST_F(PosixPrivateProfileTest, NameWithoutFolderLivesInTheConfigurationFolder) {
  EXPECT_EQ(profile.read("T.INI", "S", "K", "default"), "default");
  profile.write("T.INI", "S", "K", "v");
  EXPECT_EQ(readFile(folder / "config" / "T.INI"), "[S]\r\nK=v\r\n");
  EXPECT_EQ(profile.read("T.INI", "s", "k", "default"), "v");
  ::unsetenv("XDG_CONFIG_HOME");
  ::setenv("HOME", folder.path().c_str(), 1);
  EXPECT_EQ(PosixPrivateProfile::locate("T.INI"), folder / ".config" / "T.INI");
}

TEST_F(PosixPrivateProfileTest, UnusableFilesReadAsEmptyAndAreNeverOverwritten) {
  std::filesystem::create_directories(folder / "config" / "Dir.INI");
  profile.write("Dir.INI", "S", "K", "v");
  EXPECT_EQ(profile.read("Dir.INI", "S", "K", "d"), "d");
  EXPECT_TRUE(std::filesystem::is_directory(folder / "config" / "Dir.INI"));

  const std::string huge(5 * 1024 * 1024, 'x');
  writeFile(folder / "config" / "Huge.INI", huge);
  profile.write("Huge.INI", "S", "K", "v");
  EXPECT_EQ(profile.read("Huge.INI", "S", "K", "d"), "d");
  EXPECT_EQ(std::filesystem::file_size(folder / "config" / "Huge.INI"), huge.size());
}

TEST_F(PosixPrivateProfileTest, WritingTheValueAReadFindsLeavesTheFileUntouched) {
  // Bare line feeds, which a rewrite would turn into CR LF, show whether the file was saved.
  std::filesystem::create_directories(folder / "config");
  const std::filesystem::path file = folder / "config" / "T.INI";
  const std::string text = "[S]\nKey=v\nkey=w\n";
  writeFile(file, text);
  profile.write("T.INI", "s", "KEY", "v");
  EXPECT_EQ(readFile(file), text);
  // A read finds the first copy of a key, so the second one's value is still a change.
  profile.write("T.INI", "S", "Key", "w");
  EXPECT_EQ(readFile(file), "[S]\r\nKey=w\r\nkey=w\r\n");
}

TEST_F(PosixPrivateProfileTest, WritesLeaveNoTemporaryFilesBehind) {
  profile.write("T.INI", "S", "K", "1");
  profile.write("T.INI", "S", "K", "2");
  profile.remove("T.INI", "S", "K");
  EXPECT_EQ(entriesOf(folder / "config").size(), 1u);
  EXPECT_EQ(readFile(folder / "config" / "T.INI"), "[S]\r\n");
}

}  // namespace
}  // namespace tallowmere::platform
