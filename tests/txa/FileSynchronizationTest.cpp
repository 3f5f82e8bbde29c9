#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <memory>

#include "runtime/files/ErrorState.h"
#include "runtime/files/MemoryDriver.h"
#include "support/TestText.h"
#include "txa/DictionaryFixture.h"
#include "txa/FileSynchronizationClass.h"
#include "txa/MemDriver.h"

namespace tallowmere::txa::testing {
namespace {

namespace Code = runtime::ErrorCode;
using runtime::FileOperation;
using tallowmere::testing::readFile;
using tallowmere::testing::writeFile;

class LoadTest : public DictionaryTest {
 protected:
  LoadTest() { MemDriverInit(); }
  ~LoadTest() override { MemDriverKill(); }

  std::int64_t tableRecords() {
    EXPECT_EQ(TXAFile().open(), 0);
    const std::int64_t records = TXAFile().records();
    TXAFile().close();
    return records;
  }
  void fillTable() {
    if (TXAFile().open() == Code::FileNotFound) {
      ASSERT_EQ(TXAFile().create(), 0);
      ASSERT_EQ(TXAFile().open(), 0);
    }
    TXA_LINE().assign("left over");
    ASSERT_EQ(TXAFile().add(), 0);
    TXAFile().close();
  }
};

TEST_F(LoadTest, AMissingBackingFileIsCreatedEmpty) {
  ASSERT_NE(MemAccess::TXAFile, nullptr);
  EXPECT_EQ(MemAccess::TXAFile->Load(), framework::Level::Benign);
  EXPECT_TRUE(std::filesystem::exists(folder / "TXAFile.tps"));
  EXPECT_EQ(readFile(folder / "TXAFile.tps"), "");
  EXPECT_EQ(tableRecords(), 0);
  EXPECT_FALSE(TXAFile().isOpen());
  EXPECT_FALSE(MEMAUX_TXAFile().isOpen());
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(LoadTest, TextInTheBackingFileNeverReachesTheTable) {
  fillTable();
  writeFile(folder / "TXAFile.tps", "a line\r\nanother\r\n");
  EXPECT_EQ(MemAccess::TXAFile->Load(), framework::Level::Benign);
  EXPECT_EQ(tableRecords(), 0);
  EXPECT_EQ(readFile(folder / "TXAFile.tps"), "a line\r\nanother\r\n");
  MemDriverKill();
  EXPECT_EQ(MemAccess::TXAFile, nullptr);
  EXPECT_EQ(readFile(folder / "TXAFile.tps"), "a line\r\nanother\r\n");
}

TEST_F(LoadTest, ATableLockedTwiceEndsTheLoadSilently) {
  fillTable();
  TXAFile().faults().failOn(FileOperation::Open, 1, Code::AccessDenied);
  TXAFile().faults().failOn(FileOperation::Open, 2, Code::AccessDenied);
  EXPECT_EQ(MemAccess::TXAFile->Load(), framework::Level::Notify);
  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_EQ(tableRecords(), 1);
  EXPECT_FALSE(std::filesystem::exists(folder / "TXAFile.tps"));
}

TEST_F(LoadTest, ATableLockedOnceIsResetAllowingOthersToRead) {
  fillTable();
  TXAFile().faults().failOn(FileOperation::Open, 1, Code::AccessDenied);
  EXPECT_EQ(MemAccess::TXAFile->Load(), framework::Level::Benign);
  EXPECT_EQ(tableRecords(), 0);
}

TEST_F(LoadTest, AFailedTableOpenIsShownWithTheSystemsError) {
  TXAFile().faults().failOn(FileOperation::Open, 1, Code::OperatingSystemError,
                            tallowmere::testing::systemCause(EIO));
  EXPECT_EQ(MemAccess::TXAFile->Load(), framework::Level::Notify);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "FileSync - Reset");
  EXPECT_EQ(boxes.shown()[0].text,
            "Error Opening the Memory File.|FileName:TXAFile.tps|Driver:MEMORY|Error(90) File "
            "System Error|File Error(" +
                std::to_string(EIO) + ") Input/output error");
}

TEST_F(LoadTest, AFailedBackingFileOpenIsShownAndClosesTheTable) {
  MEMAUX_TXAFile().faults().failOn(FileOperation::Open, 1, Code::FileAlreadyOpen);
  EXPECT_EQ(MemAccess::TXAFile->Load(), framework::Level::Notify);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "FileSync - Open");
  EXPECT_EQ(boxes.shown()[0].text,
            "Error Opening the Physical file.|File:TXAFile.tps|Error(52) File Already Open");
  EXPECT_FALSE(TXAFile().isOpen());
}

TEST_F(LoadTest, AReadOnlyBackingFileIsEnoughForTheLoad) {
  writeFile(folder / "TXAFile.tps", "");
  MEMAUX_TXAFile().faults().failOn(FileOperation::Open, 1, Code::AccessDenied);
  EXPECT_EQ(MemAccess::TXAFile->Load(), framework::Level::Benign);
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(LoadTest, AFailedCreationEndsTheLoad) {
  MEMAUX_TXAFile().faults().failOn(FileOperation::Create, 1, Code::AccessDenied);
  EXPECT_EQ(MemAccess::TXAFile->Load(), framework::Level::Notify);
  EXPECT_TRUE(boxes.shown().empty());
  EXPECT_FALSE(TXAFile().isOpen());
}

TEST_F(LoadTest, ABackingFileThatCountsItsRecordsIsCopiedIntoTheTable) {
  runtime::File target("Target", "target", std::make_unique<runtime::MemoryDriver>());
  runtime::File disk("Disk", "disk", std::make_unique<runtime::MemoryDriver>());
  ASSERT_EQ(disk.create(), 0);
  ASSERT_EQ(disk.open(), 0);
  for (const char* text : {"one", "two"}) {
    disk.record().assign(text);
    ASSERT_EQ(disk.add(), 0);
  }
  disk.close();
  FileSynchronizationClass synchroniser;
  synchroniser.Init(target, disk);
  EXPECT_EQ(synchroniser.Load(), framework::Level::Benign);
  ASSERT_EQ(target.open(), 0);
  ASSERT_EQ(target.next(), 0);
  EXPECT_EQ(target.record().clipped(), "one");
  ASSERT_EQ(target.next(), 0);
  EXPECT_EQ(target.record().clipped(), "two");
  EXPECT_EQ(synchroniser.Kill(), framework::Level::Benign);
  EXPECT_EQ(synchroniser.Kill(), framework::Level::Notify);
}

}  // namespace
}  // namespace tallowmere::txa::testing
