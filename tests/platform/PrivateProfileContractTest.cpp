#include <gtest/gtest.h>

#include <filesystem>

#include "runtime/settings/PrivateProfile.h"
#include "support/SettingsFolder.h"
#include "support/TempDir.h"

// What every platform's settings files must do, run against the ones this build installs.
namespace tallowmere::runtime {
namespace {

using testing::TempDir;

class PrivateProfileContractTest : public ::testing::Test {
 protected:
  TempDir folder;
  const std::filesystem::path settings = testing::placeSettingsUnder(folder / "config");
  PrivateProfile& profile = privateProfile();
};

TEST_F(PrivateProfileContractTest, EntriesAreWrittenReadAndRemovedWhateverTheCase) {
  EXPECT_EQ(profile.read("Test.INI", "Main", "XPos", "none"), "none");
  profile.remove("Test.INI", "Main", "XPos");
  EXPECT_FALSE(std::filesystem::exists(settings / "Test.INI"));

  profile.write("Test.INI", "Main", "XPos", "12");
  profile.write("Test.INI", "Main", "YPos", "34");
  profile.write("Test.INI", "Other", "XPos", "7");
  EXPECT_TRUE(std::filesystem::exists(settings / "Test.INI"));
  EXPECT_EQ(profile.read("Test.INI", "main", "xpos", "none"), "12");
  profile.write("Test.INI", "MAIN", "xPos", "56");
  EXPECT_EQ(profile.read("Test.INI", "Main", "XPos", "none"), "56");

  profile.remove("Test.INI", "Main", "XPOS");
  EXPECT_EQ(profile.read("Test.INI", "Main", "XPos", "none"), "none");
  EXPECT_EQ(profile.read("Test.INI", "Main", "YPos", "none"), "34");
  EXPECT_EQ(profile.read("Test.INI", "Other", "XPos", "none"), "7");
}

TEST_F(PrivateProfileContractTest, ANameWithAFolderIsUsedAsItIs) {
  const std::filesystem::path own = folder / "own.ini";
  profile.write(own.string(), "S", "K", "v");
  EXPECT_TRUE(std::filesystem::exists(own));
  EXPECT_FALSE(std::filesystem::exists(settings / "own.ini"));
  EXPECT_EQ(profile.read(own.string(), "S", "K", ""), "v");
}

}  // namespace
}  // namespace tallowmere::runtime
