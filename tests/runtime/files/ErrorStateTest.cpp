#include <gtest/gtest.h>

#include <thread>

#include "runtime/files/ErrorState.h"

namespace tallowmere::runtime {
namespace {

TEST(ErrorStateTest, OnlyAnOperatingSystemErrorCarriesTheSystemsNumberAndText) {
  setError(ErrorCode::OperatingSystemError,
           SystemError{1117, "The request could not be performed"});
  EXPECT_EQ(lastError().text, "File System Error");
  EXPECT_EQ(lastError().driverCode, "1117");
  EXPECT_EQ(lastError().driverText, "The request could not be performed");
  setError(ErrorCode::AccessDenied, SystemError{13, "Permission denied"});
  EXPECT_EQ(lastError().text, "Access Denied");
  EXPECT_EQ(lastError().driverCode, "0");
  EXPECT_EQ(lastError().driverText, "");
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
  setError(ErrorCode::OperatingSystemError, SystemError{5, "Input/output error"});
  clearError();
  EXPECT_EQ(lastError().code, clean.code);
  EXPECT_EQ(lastError().driverCode, clean.driverCode);
  EXPECT_EQ(lastError().driverText, clean.driverText);
  restoreError({ErrorCode::FileNotFound, "File Not Found", "0", ""});
  EXPECT_EQ(lastError().code, ErrorCode::FileNotFound);
  clearError();
  EXPECT_EQ(lastError().code, 0);
  EXPECT_EQ(lastError().text, "");
  setError(ErrorCode::AccessDenied);
  clearError();
  clearError();
  EXPECT_EQ(lastError().code, 0);
}

}  // namespace
}  // namespace tallowmere::runtime
