#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <thread>

#include "framework/files/FileManager.h"
#include "framework/files/FileManagerFixture.h"
#include "framework/files/FilesManager.h"
#include "runtime/files/ErrorState.h"
#include "runtime/files/LineDriver.h"
#include "support/TestText.h"

namespace tallowmere::framework::testing {
namespace {

namespace Code = runtime::ErrorCode;
using runtime::FileOperation;
using tallowmere::testing::readFile;
using tallowmere::testing::writeFile;

class LineFileTest : public FileManagerTest {
 protected:
  std::unique_ptr<ManagedFile> textFile(const std::string& name, std::uint8_t create) {
    return std::make_unique<ManagedFile>(std::make_unique<runtime::LineDriver>(), "Text",
                                         (folder / name).string(), errors, create);
  }
};

TEST_F(LineFileTest, OpenCountsAndOpensPhysicallyOnceOnFirstUse) {
  writeFile(folder / "in.txt", "line\r\n");
  auto text = textFile("in.txt", 0);
  EXPECT_EQ(text->relate.Open(), Level::Benign);
  EXPECT_TRUE(text->file.isOpen());
  EXPECT_EQ(text->access.GetName(), (folder / "in.txt").string());
  EXPECT_EQ(text->relate.Open(), Level::Benign);
  EXPECT_EQ(text->access.GetOpened(), 2);
  EXPECT_EQ(text->relate.Close(), Level::Benign);
  EXPECT_TRUE(text->file.isOpen());
  EXPECT_EQ(text->relate.Close(), Level::Benign);
  EXPECT_FALSE(text->file.isOpen());
  EXPECT_EQ(text->access.Used, 0);
  EXPECT_EQ(text->relate.Close(), Level::Benign);
  EXPECT_EQ(text->access.GetOpened(), 0);
  EXPECT_TRUE(boxes.shown().empty());
}

// A process-wide file is opened physically by its first user and closed by its last,
// whichever thread each manager belongs to.
TEST_F(LineFileTest, AProcessWideFileStaysOpenUntilTheManagersOfEveryThreadCloseIt) {
  writeFile(folder / "in.txt", "line\r\n");
  runtime::File file("Text", (folder / "in.txt").string(), std::make_unique<runtime::LineDriver>());
  file.setScope(runtime::FileScope::Process);
  // Only the first user opens the file itself; a second open would be refused.
  file.faults().failFrom(FileOperation::Open, 2, Code::AccessDenied);
  const auto openThen = [&](const std::function<void()>& whileOpen) {
    TestFileManager access(file, errors, 0);
    RelationManager relate;
    relate.Init(access, 1);
    ASSERT_EQ(relate.Open(), Level::Benign);
    whileOpen();
    EXPECT_EQ(relate.Close(), Level::Benign);
    relate.Kill();
  };
  openThen([&] {
    std::thread([&] { openThen([] {}); }).join();
    EXPECT_TRUE(file.isOpen());
  });
  EXPECT_FALSE(file.isOpen());
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(LineFileTest, AMissingFileIsCreatedEmptyWhenCreateIsSet) {
  auto text = textFile("out.txt", 1);
  EXPECT_EQ(text->relate.Open(), Level::Benign);
  EXPECT_TRUE(text->file.isOpen());
  EXPECT_TRUE(std::filesystem::exists(folder / "out.txt"));
  text->relate.Close();
  EXPECT_EQ(readFile(folder / "out.txt"), "");
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(LineFileTest, ARefusedWriteOpenFallsBackToReadOnlyAfterANotice) {
  writeFile(folder / "in.txt", "line\r\n");
  auto text = textFile("in.txt", 0);
  text->file.faults().failOn(FileOperation::Open, 1, Code::AccessDenied);
  text->file.faults().failOn(FileOperation::Open, 2, Code::AccessDenied);
  EXPECT_EQ(text->relate.Open(), Level::Benign);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "Access Denied");
  EXPECT_EQ(boxes.shown()[0].text, "Could not get write access to " + (folder / "in.txt").string() +
                                       " so trying read-only.");
  EXPECT_EQ(text->access.OpenMode, runtime::OpenMode::DenyNone);
  EXPECT_EQ(text->file.add(), Code::AccessDenied);
  ASSERT_EQ(text->file.next(), 0);
  EXPECT_EQ(text->file.record().clipped(), "line");
  text->relate.Close();
}

TEST_F(FileManagerTest, ALockedFileIsRetriedOnceAfterSendingRecover) {
  auto managed = table();
  managed->file.faults().failOn(FileOperation::Open, 1, Code::AccessDenied);
  EXPECT_EQ(managed->relate.Open(), Level::Benign);
  EXPECT_EQ(driverOf(*managed).sent, std::vector<std::string>{"Recover=10"});
  EXPECT_EQ(managed->access.OpenMode, runtime::OpenMode::ReadWrite | runtime::OpenMode::DenyNone);
  EXPECT_TRUE(boxes.shown().empty());
  managed->relate.Close();
}

TEST_F(FileManagerTest, AFailedPhysicalCloseIsToldNotSwallowed) {
  auto managed = table();
  managed->relate.Open();
  managed->file.faults().failOn(FileOperation::Close, 1, Code::OperatingSystemError,
                                tallowmere::testing::systemCause(ENOSPC));
  EXPECT_EQ(managed->relate.Close(), Level::Notify);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, "File Access Error");
  EXPECT_EQ(boxes.shown()[0].text,
            "File Table.tps could not be closed.  Error: No space left on "
            "device (" +
                std::to_string(ENOSPC) + ").");
  EXPECT_EQ(managed->access.GetOpened(), 0);
}

TEST_F(FileManagerTest, ThePhysicalOpenLeavesTheRecordInHandAlone) {
  auto managed = table();
  driverOf(*managed).scribble = &managed->file.record();
  managed->file.record().assign("the caller's record");
  EXPECT_EQ(managed->relate.Open(), Level::Benign);
  EXPECT_EQ(driverOf(*managed).opens, 1);
  EXPECT_EQ(managed->file.record().clipped(), "the caller's record");
  managed->relate.Close();
}

TEST_F(FileManagerTest, QuickScanIsSentOnlyToAnOpenFile) {
  auto managed = table();
  managed->relate.SetQuickScan(1);
  EXPECT_TRUE(driverOf(*managed).sent.empty());
  managed->relate.Open();
  managed->relate.SetQuickScan(1);
  managed->relate.SetQuickScan(0, 1);
  EXPECT_EQ(driverOf(*managed).sent, (std::vector<std::string>{"QUICKSCAN=on", "QUICKSCAN=off"}));
  managed->relate.Close();
}

TEST_F(FileManagerTest, ACascadeVisitsEachManagerOnce) {
  auto first = table("First");
  auto second = table("Second");
  first->relate.AddRelation(second->relate);
  second->relate.AddRelation(first->relate);
  first->relate.AddRelation(second->relate);
  const std::int32_t before = RelationManager::Epoc();
  EXPECT_EQ(first->relate.Open(), Level::Benign);
  EXPECT_EQ(RelationManager::Epoc(), before + 1);
  EXPECT_EQ(first->relate.LastTouched, RelationManager::Epoc());
  EXPECT_EQ(second->relate.LastTouched, RelationManager::Epoc());
  EXPECT_EQ(first->access.GetOpened(), 1);
  EXPECT_EQ(second->access.GetOpened(), 1);
  EXPECT_EQ(first->relate.Close(), Level::Benign);
  EXPECT_EQ(first->access.GetOpened(), 0);
  EXPECT_EQ(second->access.GetOpened(), 0);
}

TEST_F(FileManagerTest, TheRegistryKnowsTheManagersUntilTheyAreKilled) {
  auto managed = table();
  const FileLabel label = FilesManager::GetFileID(managed->file);
  EXPECT_EQ(filesManager().GetFileMapping(label), &managed->access);
  EXPECT_EQ(filesManager().GetRelationFileMapping(label), &managed->relate);
  EXPECT_EQ(managed->relate.Kill(), Level::Benign);
  EXPECT_EQ(filesManager().GetFileMapping(label), nullptr);
  EXPECT_EQ(filesManager().GetRelationFileMapping(label), nullptr);
  EXPECT_EQ(managed->relate.Kill(), Level::Notify);
  EXPECT_EQ(managed->access.Kill(), Level::Notify);
}

TEST_F(FileManagerTest, EachProcedureUsingAFileIsNotedUntilItsClose) {
  auto managed = table();
  errors.SetProcedureName("Outer");
  managed->relate.Open();
  managed->relate.Open();  // the view of the same procedure
  ASSERT_EQ(filesManager().StatusQ.size(), 1u);
  EXPECT_EQ(filesManager().StatusQ[0].Proc, "Outer");
  EXPECT_EQ(filesManager().StatusQ[0].NestedOpen, 1);
  managed->file.record().assign("outer record");

  errors.SetProcedureName("Inner");
  managed->relate.Open();
  ASSERT_EQ(filesManager().StatusQ.size(), 2u);
  EXPECT_EQ(filesManager().StatusQ[1].ScopeLevel, 2);
  managed->file.record().assign("inner record");
  managed->relate.Close();
  EXPECT_EQ(managed->file.record().clipped(), "outer record");
  errors.SetProcedureName();

  managed->relate.Close();
  EXPECT_EQ(filesManager().StatusQ.size(), 1u);
  managed->relate.Close();
  EXPECT_TRUE(filesManager().StatusQ.empty());
  errors.SetProcedureName();
}

void openAndDie(const std::function<void(ErrorClass&)>& body) {
  ErrorStatusClass status;
  ErrorClass errors;
  errors.Init(status);
  tallowmere::testing::RecordingMessageBox boxes;
  tallowmere::testing::TempDir folder(true);
  body(errors);
}

std::unique_ptr<ManagedFile> lineFile(ErrorClass& errors, std::uint8_t create) {
  return std::make_unique<ManagedFile>(std::make_unique<runtime::LineDriver>(), "Text", "data.txt",
                                       errors, create);
}

TEST(FileManagerDeathTest, AMissingFileThatMayNotBeCreatedEndsTheProgram) {
  EXPECT_EXIT(openAndDie([](ErrorClass& errors) { lineFile(errors, 0)->relate.Open(); }),
              ::testing::ExitedWithCode(1),
              "\\[File Access Error\\] File data.txt could not be opened.  Error: File Not Found "
              "\\(2\\).  Press OK to end this application\n\\[Halt\\] File Access Error\n");
}

TEST(FileManagerDeathTest, AFailedCreationEndsTheProgram) {
  EXPECT_EXIT(openAndDie([](ErrorClass& errors) {
                auto text = lineFile(errors, 1);
                text->file.faults().failOn(FileOperation::Create, 1, Code::AccessDenied);
                text->relate.Open();
              }),
              ::testing::ExitedWithCode(1),
              "\\[File Creation Error\\] Error: \\(Access Denied \\(5\\)\\) creating data.txt.  "
              "Press OK to end this application");
}

TEST(FileManagerDeathTest, AnOperatingSystemFailureShowsTheSystemsError) {
  EXPECT_EXIT(openAndDie([](ErrorClass& errors) {
                auto text = lineFile(errors, 1);
                text->file.faults().failOn(FileOperation::Open, 1, Code::OperatingSystemError,
                                           tallowmere::testing::systemCause(EIO));
                text->relate.Open();
              }),
              ::testing::ExitedWithCode(1),
              "File data.txt could not be opened.  Error: Input/output error \\(5\\)\\.  Press");
}

TEST(FileManagerDeathTest, TwoPassesWithoutSuccessEndTheProgram) {
  EXPECT_EXIT(openAndDie([](ErrorClass& errors) {
                auto text = lineFile(errors, 1);
                text->file.faults().failFrom(FileOperation::Open, 1, Code::FileNotFound);
                text->relate.Open();
              }),
              ::testing::ExitedWithCode(1),
              "could not be opened.  Error: File Not Found \\(2\\).  Press OK");
}

TEST(FileManagerDeathTest, UsingAFileBeforeItsOpenEndsTheProgram) {
  // UseFile insists on an Open first.
  EXPECT_EXIT(
      openAndDie([](ErrorClass& errors) { lineFile(errors, 1)->access.UseFile(UseType::Uses); }),
      ::testing::ExitedWithCode(1),
      "\\[File Usage Error\\] Attempt to use file \\(data.txt\\) before it was opened  "
      "Press OK");
}

TEST(FileManagerDeathTest, AManagerDestroyedWithItsFileOpenIsAProgrammingError) {
  EXPECT_EXIT(openAndDie([](ErrorClass& errors) {
                runtime::File file("Text", "data.txt", std::make_unique<runtime::LineDriver>());
                auto access = std::make_unique<TestFileManager>(file, errors, 1);
                access->Open();
                access.reset();
              }),
              ::testing::ExitedWithCode(3),
              "The file is still open. Open Counter is 1 on File: data.txt");
}

TEST(FileManagerDeathTest, AFileRegisteredTwiceIsAProgrammingError) {
  EXPECT_EXIT(openAndDie([](ErrorClass& errors) {
                runtime::File file("Text", "data.txt", std::make_unique<runtime::LineDriver>());
                TestFileManager first(file, errors, 1);
                TestFileManager second(file, errors, 1);
              }),
              ::testing::ExitedWithCode(3), "Mapping for file already exists for the FM");
}

}  // namespace
}  // namespace tallowmere::framework::testing
