#include <gtest/gtest.h>

#include <filesystem>

#include "platform/posix/PosixPrivateProfile.h"
#include "support/FolderListing.h"
#include "support/TempDir.h"

namespace tallowmere::platform {
namespace {

using testing::entriesOf;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

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

TEST_F(PosixPrivateProfileTest, WritesLeaveNoTemporaryFilesBehind) {
  profile.write("T.INI", "S", "K", "1");
  profile.write("T.INI", "S", "K", "2");
  profile.remove("T.INI", "S", "K");
  EXPECT_EQ(entriesOf(folder / "config").size(), 1u);
  EXPECT_EQ(readFile(folder / "config" / "T.INI"), "[S]\r\n");
}

}  // namespace
}  // namespace tallowmere::platform
