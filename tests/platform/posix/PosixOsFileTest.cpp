#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <string>

#include "platform/posix/PosixFileSystem.h"
#include "runtime/files/ErrorState.h"

namespace tallowmere::platform {
namespace {

// A failed write is reported by the write, and again by the sync that the close makes,
// however much succeeded or was asked for in between: a failure never ends as a success.
TEST(PosixOsFile, AFirstWriteErrorIsReportedAgainAtTheClose) {
  PosixFileSystem files;
  int error = -1;
  const std::unique_ptr<runtime::OsFile> full =
      files.open("/dev/full", runtime::FileAccess::Write, runtime::FileSharing::DenyNone, error);
  ASSERT_TRUE(full) << error;

  EXPECT_EQ(full->writeAt(0, "line\r\n", 6), runtime::ErrorCode::OperatingSystemError);
  runtime::clearError();
  EXPECT_EQ(full->writeAt(6, "", 0), runtime::ErrorCode::NoError);

  EXPECT_EQ(full->sync(), runtime::ErrorCode::OperatingSystemError);
  EXPECT_EQ(runtime::lastError().driverCode, std::to_string(ENOSPC));
}

}  // namespace
}  // namespace tallowmere::platform
