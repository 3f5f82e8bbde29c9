#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "framework/files/FileManagerFixture.h"
#include "runtime/files/LineDriver.h"
#include "support/TempDir.h"

namespace tallowmere::framework::testing {
namespace {

// Another program holds the file open and lets others only read it: the file manager's
// refused write open, its notice and its read-only fall-back, for real.
TEST_F(FileManagerTest, AFileAnotherProgramHoldsAgainstWritingIsOpenedReadOnlyAfterANotice) {
  const auto path = folder / "in.txt";
  tallowmere::testing::writeFile(path, "line\r\n");
  const HANDLE other = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  ManagedFile text(std::make_unique<runtime::LineDriver>(), "Text", path.string(), errors, 0);
  EXPECT_EQ(text.relate.Open(), Level::Benign);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "Access Denied");
  EXPECT_EQ(boxes.shown()[0].text,
            "Could not get write access to " + path.string() + " so trying read-only.");
  ASSERT_EQ(text.file.next(), 0);
  EXPECT_EQ(text.file.record().clipped(), "line");
  text.relate.Close();
  CloseHandle(other);
}

}  // namespace
}  // namespace tallowmere::framework::testing
