#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "platform/win32/WindowsErrors.h"
#include "platform/win32/WindowsPrivateProfile.h"
#include "runtime/files/ErrorState.h"
#include "runtime/files/FileSystem.h"
#include "support/TempDir.h"

namespace tallowmere::platform {
namespace {

using runtime::FileAccess;
using runtime::FileSharing;

TEST(WindowsErrorsTest, WindowsErrorsMapToTheRuntimeCodes) {
  for (DWORD missing : {ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND}) {
    EXPECT_EQ(reportWindowsError(missing), runtime::ErrorCode::FileNotFound);
  }
  for (DWORD denied : {ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION}) {
    EXPECT_EQ(reportWindowsError(denied), runtime::ErrorCode::AccessDenied);
    EXPECT_EQ(runtime::lastError().text, "Access Denied");
  }
  EXPECT_EQ(reportWindowsError(ERROR_DISK_FULL), runtime::ErrorCode::OperatingSystemError);
  EXPECT_EQ(runtime::lastError().driverCode, std::to_string(ERROR_DISK_FULL));
  const std::string& text = runtime::lastError().driverText;
  EXPECT_EQ(text, windowsMessage(ERROR_DISK_FULL));
  EXPECT_FALSE(text.empty());
  EXPECT_NE(text.back(), '\n');
}

class WindowsSharingTest : public ::testing::Test {
 protected:
  // Another program's handle on the file, with the sharing it grants to others.
  HANDLE holdOpen(DWORD access, DWORD share) {
    return CreateFileW(L"held.txa", access, share, nullptr, OPEN_EXISTING, 0, nullptr);
  }

  testing::TempDir folder{true};
  int error = -1;
};

TEST_F(WindowsSharingTest, AFileHeldAgainstWritingIsDeniedThenOpensForReading) {
  ASSERT_EQ(runtime::fileSystem().create("held.txa"), 0);
  const HANDLE other = holdOpen(GENERIC_READ, FILE_SHARE_READ);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(
      runtime::fileSystem().open("held.txa", FileAccess::ReadWrite, FileSharing::DenyNone, error));
  EXPECT_EQ(error, runtime::ErrorCode::AccessDenied);
  EXPECT_EQ(runtime::fileSystem().create("held.txa"), runtime::ErrorCode::AccessDenied);
  EXPECT_TRUE(
      runtime::fileSystem().open("held.txa", FileAccess::Read, FileSharing::DenyNone, error));
  CloseHandle(other);
}

TEST_F(WindowsSharingTest, OurSharingModeKeepsOthersOut) {
  ASSERT_EQ(runtime::fileSystem().create("held.txa"), 0);
  const std::pair<FileSharing, bool> cases[] = {{FileSharing::DenyNone, true},
                                                {FileSharing::DenyWrite, false},
                                                {FileSharing::DenyAll, false}};
  for (const auto& [sharing, othersMayWrite] : cases) {
    auto ours = runtime::fileSystem().open("held.txa", FileAccess::ReadWrite, sharing, error);
    ASSERT_TRUE(ours);
    const HANDLE other =
        holdOpen(GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    EXPECT_EQ(other != INVALID_HANDLE_VALUE, othersMayWrite) << int(sharing);
    if (other != INVALID_HANDLE_VALUE) CloseHandle(other);
  }
}

TEST(WindowsPrivateProfileTest, ANameWithoutFolderLivesInTheRoamingApplicationData) {
  testing::TempDir folder;
  const auto root = folder / "Roaming";
  SetEnvironmentVariableW(L"APPDATA", root.wstring().c_str());
  EXPECT_EQ(WindowsPrivateProfile::locate("Tallowmere.INI"),
            (root / "Tallowmere" / "Tallowmere.INI").wstring());
  EXPECT_TRUE(std::filesystem::is_directory(root / "Tallowmere"));
}

}  // namespace
}  // namespace tallowmere::platform
