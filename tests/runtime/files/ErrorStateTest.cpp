#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "runtime/files/ErrorState.h"

namespace tallowmere::runtime {
namespace {

TEST(ErrorStateTest, OperatingSystemErrorsMapToTheRuntimeCodes) {
  setOsError(ENOENT);
  EXPECT_EQ(lastError().code, 2);
  EXPECT_EQ(lastError().text, "File Not Found");
  for (int denied : {EACCES, EPERM, EROFS}) {
    setOsError(denied);
    EXPECT_EQ(lastError().code, 5);
    EXPECT_EQ(lastError().text, "Access Denied");
  }
  setOsError(EIO);
  EXPECT_EQ(lastError().code, 90);
  EXPECT_EQ(lastError().driverCode, std::to_string(EIO));
  EXPECT_EQ(lastError().driverText, std::strerror(EIO));
}

TEST(ErrorStateTest, EachThreadKeepsItsOwnOutcome) {
  setError(ErrorCode::AccessDenied);
  int seenElsewhere = -1;
  std::thread([&] { seenElsewhere = lastError().code; }).join();
  EXPECT_EQ(seenElsewhere, 0);
  EXPECT_EQ(lastError().code, ErrorCode::AccessDenied);
  clearError();
  EXPECT_EQ(lastError().code, 0);
  EXPECT_EQ(lastError().driverCode, "0");
}

TEST(ErrorStateTest, ClearingForgetsEveryKindOfOutcome) {
  const ErrorState clean;
  setError(ErrorCode::OperatingSystemError, EIO);
  clearError();
  EXPECT_EQ(lastError().code, clean.code);
  EXPECT_EQ(lastError().driverCode, clean.driverCode);
  EXPECT_EQ(lastError().driverText, clean.driverText);
  restoreError({ErrorCode::FileNotFound, "File Not Found", "0", ""});
  EXPECT_EQ(lastError().code, ErrorCode::FileNotFound);
  clearError();
  EXPECT_EQ(lastError().code, 0);
  EXPECT_EQ(lastError().text, "");
  setOsError(EACCES);
  clearError();
  clearError();
  EXPECT_EQ(lastError().code, 0);
}

}  // namespace
}  // namespace tallowmere::runtime
