#include <gtest/gtest.h>

#include "platform/posix/PosixFileSystem.h"
#include "runtime/files/FileSystem.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  static tallowmere::platform::PosixFileSystem fileSystem;
  tallowmere::runtime::installFileSystem(fileSystem);
  return RUN_ALL_TESTS();
}
