#include <gtest/gtest.h>

#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixPrivateProfile.h"
#include "runtime/files/FileSystem.h"
#include "runtime/settings/PrivateProfile.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  static tallowmere::platform::PosixFileSystem fileSystem;
  tallowmere::runtime::installFileSystem(fileSystem);
  static tallowmere::platform::PosixPrivateProfile settings;
  tallowmere::runtime::installPrivateProfile(settings);
  return RUN_ALL_TESTS();
}
