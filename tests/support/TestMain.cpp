#include <gtest/gtest.h>

#ifdef _WIN32
#include "platform/win32/WindowsPlatform.h"
#else
#include "platform/posix/PosixPlatform.h"
#endif

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
#ifdef _WIN32
  tallowmere::platform::installWindowsServices();
#else
  tallowmere::platform::installPosixServices();
#endif
  return RUN_ALL_TESTS();
}
