#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "platform/posix/PosixErrors.h"
#include "runtime/files/ErrorState.h"

namespace tallowmere::platform {
namespace {

TEST(PosixErrorsTest, SystemErrorsMapToTheRuntimeCodes) {
  reportErrno(ENOENT);
  EXPECT_EQ(runtime::lastError().code, 2);
  EXPECT_EQ(runtime::lastError().text, "File Not Found");
  for (int denied : {EACCES, EPERM, EROFS}) {
    reportErrno(denied);
    EXPECT_EQ(runtime::lastError().code, 5);
    EXPECT_EQ(runtime::lastError().text, "Access Denied");
  }
  EXPECT_EQ(reportErrno(EIO), 90);
  EXPECT_EQ(runtime::lastError().driverCode, std::to_string(EIO));
  EXPECT_EQ(runtime::lastError().driverText, std::strerror(EIO));
}

}  // namespace
}  // namespace tallowmere::platform
