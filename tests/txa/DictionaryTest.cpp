#include <gtest/gtest.h>

#include <filesystem>

#include "framework/files/FilesManager.h"
#include "runtime/files/ErrorState.h"
#include "txa/Dictionary.h"
#include "txa/DictionaryFixture.h"

namespace tallowmere::txa::testing {
namespace {

using tallowmere::testing::readFile;
using tallowmere::testing::writeFile;

class ManagersTest : public DictionaryTest {
 protected:
  ManagersTest() { DctInit(); }
  ~ManagersTest() override {
    for (framework::RelationManager* relate :
         {Relate::ImportFile, Relate::TXAFile, Relate::ExportFile}) {
      if (relate)
        while (relate->Me->GetOpened() > 0) relate->Close();
    }
    DctKill();
  }
};

TEST_F(ManagersTest, EachFileHasItsTwoRegisteredManagers) {
  const std::pair<runtime::File*, framework::FileManager*> files[] = {
      {&ImportFile(), Access::ImportFile},
      {&TXAFile(), Access::TXAFile},
      {&ExportFile(), Access::ExportFile}};
  const framework::RelationManager* relates[] = {Relate::ImportFile, Relate::TXAFile,
                                                 Relate::ExportFile};
  for (std::size_t n = 0; n < 3; ++n) {
    const auto [file, access] = files[n];
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->GetName(), file->label());
    EXPECT_EQ(access->Buffer, &file->record());
    EXPECT_EQ(access->LazyOpen, 1);
    EXPECT_EQ(relates[n]->Me, access);
    EXPECT_EQ(relates[n]->UseLogout, 1);
    const framework::FileLabel label = framework::FilesManager::GetFileID(*file);
    EXPECT_EQ(framework::filesManager().GetFileMapping(label), access);
    EXPECT_EQ(framework::filesManager().GetRelationFileMapping(label), relates[n]);
  }
}

TEST_F(ManagersTest, TheFirstOpenCompletesTheSettingsAndNamesTheFile) {
  writeFile(folder / "Import.txa", "line\r\n");
  EXPECT_EQ(Relate::ImportFile->Open(), framework::Level::Benign);
  EXPECT_EQ(Access::ImportFile->GetName(), "Import.txa");
  EXPECT_EQ(Access::ImportFile->Create, 0);
  EXPECT_EQ(Access::ImportFile->LockRecover, 10);
  ASSERT_EQ(ImportFile().next(), 0);
  EXPECT_EQ(IMP_LINE().clipped(), "line");
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ManagersTest, AMissingOutputFileAndTableAreCreated) {
  EXPECT_EQ(Relate::ExportFile->Open(), framework::Level::Benign);
  EXPECT_EQ(Relate::TXAFile->Open(), framework::Level::Benign);
  EXPECT_TRUE(std::filesystem::exists(folder / "Export.txa"));
  EXPECT_TRUE(TXAFile().isOpen());
  EXPECT_EQ(Access::ExportFile->Create, 1);
  EXPECT_EQ(Access::TXAFile->GetName(), "TXAFile.tps");
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ManagersTest, TheInputAndOutputMayBeNamedBeforeStart) {
  std::filesystem::create_directory(folder / "in");
  writeFile(folder / "in" / "my.txa", "mine\r\n");
  setImportName("in/my.txa");
  setExportName("out.txa");
  Relate::ImportFile->Open();
  Relate::ExportFile->Open();
  EXPECT_EQ(Access::ImportFile->GetName(), "in/my.txa");
  EXPECT_EQ(Access::ExportFile->GetName(), "out.txa");
  EXP_LINE().assign("copied");
  ASSERT_EQ(ExportFile().add(), 0);
  Relate::ExportFile->Close();
  EXPECT_EQ(readFile(folder / "out.txa"), "copied\r\n");
}

TEST_F(ManagersTest, KillingClearsEveryReference) {
  DctKill();
  EXPECT_EQ(Access::ImportFile, nullptr);
  EXPECT_EQ(Access::TXAFile, nullptr);
  EXPECT_EQ(Access::ExportFile, nullptr);
  EXPECT_EQ(Relate::ImportFile, nullptr);
  EXPECT_EQ(Relate::TXAFile, nullptr);
  EXPECT_EQ(Relate::ExportFile, nullptr);
  EXPECT_TRUE(framework::filesManager().FileMapping.empty());
  EXPECT_TRUE(framework::filesManager().RelationMapping.empty());
  DctInit();  // a second start-up finds nothing left behind
  EXPECT_NE(Relate::TXAFile, nullptr);
}

TEST_F(ManagersTest, AStartUpWithoutAKillReplacesTheManagersItFinds) {
  DctInit();  // the first start-up's managers are still alive
  EXPECT_EQ(framework::filesManager().FileMapping.size(), 3u);
  EXPECT_EQ(framework::filesManager().RelationMapping.size(), 3u);
  const std::pair<runtime::File*, framework::RelationManager*> relates[] = {
      {&ImportFile(), Relate::ImportFile},
      {&TXAFile(), Relate::TXAFile},
      {&ExportFile(), Relate::ExportFile}};
  for (const auto& [file, relate] : relates) {
    const framework::FileLabel label = framework::FilesManager::GetFileID(*file);
    EXPECT_EQ(framework::filesManager().GetRelationFileMapping(label), relate);
    EXPECT_EQ(framework::filesManager().GetFileMapping(label), relate->Me);
  }
  EXPECT_EQ(Relate::ExportFile->Open(), framework::Level::Benign);
  EXPECT_TRUE(boxes.shown().empty());
}

void openMissingInput(const std::string& name) {
  framework::GlobalErrors.Init(framework::GlobalErrorStatus);
  tallowmere::testing::TempDir folder(true);
  tallowmere::testing::RecordingMessageBox boxes;
  if (!name.empty()) setImportName(name);
  DctInit();
  Relate::ImportFile->Open();
}

TEST(DictionaryDeathTest, AMissingInputFileEndsTheProgram) {
  EXPECT_EXIT(openMissingInput(""), ::testing::ExitedWithCode(1),
              "\\[File Access Error\\] File Import.txa could not be opened.  Error: File Not "
              "Found \\(2\\).  Press OK to end this application\n\\[Halt\\] File Access Error\n");
}

TEST(DictionaryDeathTest, TheMessageNamesTheInputAsGiven) {
  EXPECT_EXIT(openMissingInput("../nowhere/given.txa"), ::testing::ExitedWithCode(1),
              "File \\.\\./nowhere/given\\.txa could not be opened");
}

}  // namespace
}  // namespace tallowmere::txa::testing
