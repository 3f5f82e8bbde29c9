#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/common/DryRunFileSystem.h"
#include "runtime/files/ErrorState.h"
#include "runtime/files/FileSystem.h"
#include "support/ReadOnly.h"
#include "support/TempDir.h"

// What every platform's file layer must do, run against the one this build installs.
namespace tallowmere::runtime {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

fs::path utf8Path(const std::string& name) {
  return fs::path(std::u8string(name.begin(), name.end()));
}

class FileSystemContractTest : public ::testing::Test {
 protected:
  std::unique_ptr<OsFile> open(const std::string& name, FileAccess access) {
    error = -1;
    return fileSystem().open(name, access, FileSharing::DenyNone, error);
  }

  // Creates, writes, reads back and shortens a file by the given UTF-8 name.
  void expectUsable(const std::string& name) {
    ASSERT_EQ(fileSystem().create(name), 0) << name;
    std::unique_ptr<OsFile> file = open(name, FileAccess::ReadWrite);
    ASSERT_TRUE(file) << name;
    EXPECT_EQ(file->writeAt(0, "line one\r\n", 10), 0);
    EXPECT_EQ(file->writeAt(10, "two", 3), 0);
    std::int64_t size = 0;
    EXPECT_EQ(file->size(size), 0);
    EXPECT_EQ(size, 13);
    char buffer[32];
    std::size_t got = 0;
    EXPECT_EQ(file->readAt(5, buffer, sizeof buffer, got), 0);
    EXPECT_EQ(std::string(buffer, got), "one\r\ntwo");
    EXPECT_EQ(file->readAt(13, buffer, sizeof buffer, got), 0);
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(file->truncate(4), 0);
    EXPECT_EQ(file->sync(), 0);
    file = open(name, FileAccess::Read);
    ASSERT_TRUE(file) << name;
    EXPECT_EQ(file->readAt(0, buffer, sizeof buffer, got), 0);
    EXPECT_EQ(std::string(buffer, got), "line");
  }

  TempDir folder{true};
  int error = -1;
};

TEST_F(FileSystemContractTest, FilesAreCreatedWrittenReadAndShortened) {
  expectUsable("plain.txa");
  EXPECT_EQ(readFile("plain.txa"), "line");
  writeFile("old.txa", "old contents");
  ASSERT_EQ(fileSystem().create("old.txa"), 0);
  EXPECT_EQ(readFile("old.txa"), "");
}

TEST_F(FileSystemContractTest, MissingFilesAndFoldersAreNotFound) {
  EXPECT_FALSE(open("Import.txa", FileAccess::Read));
  EXPECT_EQ(error, ErrorCode::FileNotFound);
  EXPECT_EQ(lastError().text, "File Not Found");
  EXPECT_FALSE(open("no folder/Import.txa", FileAccess::ReadWrite));
  EXPECT_EQ(error, ErrorCode::FileNotFound);
  EXPECT_EQ(fileSystem().create("no folder/Export.txa"), ErrorCode::FileNotFound);
}

TEST_F(FileSystemContractTest, AFolderIsASystemErrorInTheSystemsOwnWords) {
  fs::create_directory("Export.txa");
  for (FileAccess access : {FileAccess::Read, FileAccess::ReadWrite}) {
    EXPECT_FALSE(open("Export.txa", access));
    EXPECT_EQ(error, ErrorCode::OperatingSystemError);
    EXPECT_NE(lastError().driverCode, "0");
    EXPECT_FALSE(lastError().driverText.empty());
  }
  EXPECT_EQ(fileSystem().create("Export.txa"), ErrorCode::OperatingSystemError);
  EXPECT_TRUE(fs::is_directory("Export.txa"));
}

TEST_F(FileSystemContractTest, AReadOnlyFileIsDeniedForWritingButReads) {
  writeFile("locked.txa", "kept");
  testing::setReadOnly("locked.txa", true);
  EXPECT_FALSE(open("locked.txa", FileAccess::ReadWrite));
  EXPECT_EQ(error, ErrorCode::AccessDenied);
  EXPECT_EQ(lastError().text, "Access Denied");
  EXPECT_EQ(fileSystem().create("locked.txa"), ErrorCode::AccessDenied);
  EXPECT_TRUE(open("locked.txa", FileAccess::Read));
  testing::setReadOnly("locked.txa", false);
  EXPECT_EQ(readFile("locked.txa"), "kept");
}

TEST_F(FileSystemContractTest, NamesAreUtf8AndMayBeLongerThanTheClassicLimit) {
  const std::string accented = "Földer ñ 日本";
  fs::create_directory(utf8Path(accented));
  expectUsable(accented + "/Ünïcødé.txa");

  std::string deep;
  for (char letter = 'a'; deep.size() < 300; ++letter) {
    deep += std::string(40, letter) + "/";
    ASSERT_EQ(fileSystem().create(deep + "probe"), ErrorCode::FileNotFound);
    fs::create_directory(utf8Path(deep));
  }
  expectUsable(deep + "Export.txa");
}

// The export reads back lines it wrote while removing and renaming the files they are in;
// the system's file layer and the one of a check, which writes only to memory, alike.
TEST_F(FileSystemContractTest, AFileRemovedWhileOpenKeepsItsBytesForThoseReadingIt) {
  platform::DryRunFileSystem dryRun(fileSystem());
  for (FileSystem* files : {&fileSystem(), static_cast<FileSystem*>(&dryRun)}) {
    ASSERT_EQ(files->create("gone.txa"), 0);
    {
      const std::unique_ptr<OsFile> writing =
          files->open("gone.txa", FileAccess::Write, FileSharing::DenyWrite, error);
      ASSERT_TRUE(writing);
      ASSERT_EQ(writing->writeAt(0, "still here", 10), 0);
    }
    const std::unique_ptr<OsFile> reading =
        files->open("gone.txa", FileAccess::ReadWrite, FileSharing::DenyWrite, error);
    ASSERT_TRUE(reading);
    ASSERT_EQ(files->remove("gone.txa"), 0);
    char buffer[16];
    std::size_t got = 0;
    EXPECT_EQ(reading->readAt(0, buffer, sizeof buffer, got), 0);
    EXPECT_EQ(std::string(buffer, got), "still here");
  }
}

}  // namespace
}  // namespace tallowmere::runtime
