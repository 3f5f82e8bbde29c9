#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "robustness/InProcessFixture.h"
#include "runtime/core/PlatformServices.h"
#include "runtime/files/ErrorState.h"
#include "runtime/files/FileSystem.h"
#include "support/FolderListing.h"
#include "support/TestText.h"

namespace tallowmere::testing {
namespace {

using Names = std::set<std::string>;

// The system's files, except that the output cannot be replaced by a rename, as on Windows
// when another program holds it open without letting it be deleted, and, when asked, not
// written either.
class UnreplaceableOutput : public runtime::FileSystem {
 public:
  explicit UnreplaceableOutput(bool writable) : writable_(writable) {}

  std::unique_ptr<runtime::OsFile> open(const std::string& path, runtime::FileAccess access,
                                        runtime::FileSharing sharing, int& error) override {
    if (!writable_ && replaceRefused_ && path == "Export.txa" &&
        access != runtime::FileAccess::Read) {
      error = runtime::setError(runtime::ErrorCode::AccessDenied);
      return nullptr;
    }
    return real_.open(path, access, sharing, error);
  }
  int create(const std::string& path) override { return real_.create(path); }
  bool replaceable(const std::string& path) override { return real_.replaceable(path); }
  int replace(const std::string& from, const std::string& to) override {
    if (to != "Export.txa") return real_.replace(from, to);
    replaceRefused_ = true;
    return runtime::setError(runtime::ErrorCode::AccessDenied);
  }
  int remove(const std::string& path) override { return real_.remove(path); }

 private:
  runtime::FileSystem& real_ = runtime::fileSystem();
  bool writable_;
  bool replaceRefused_ = false;
};

class OutputHeldByAnotherProgram : public InProcessTest {
 protected:
  void SetUp() override {
    writeFile(folder / "Import.txa", crlf({"A,#ORDINAL(1)", "  x,AT(1, |", "   2)"}));
    writeFile(folder / "Export.txa", crlf({"earlier output"}));
  }
  const std::string converted = crlf({"A", "  x,AT(1,2)"});
};

TEST_F(OutputHeldByAnotherProgram, ThatMayBeWrittenGetsTheWholeExportInPlace) {
  UnreplaceableOutput files(true);
  runtime::ScopedServices installed({.files = &files});
  convert(allCorrections());
  EXPECT_EQ(output(), converted);
  EXPECT_EQ(entriesOf(folder.path()), (Names{"Export.txa", "Import.txa", "TXAFile.tps", "config"}));
}

// Neither replaced nor written: the whole result stays under a name no later run removes,
// and the halt says where.
TEST_F(OutputHeldByAnotherProgram, ThatMayNotBeWrittenKeepsTheResultBesideIt) {
  EXPECT_EXIT(
      {
        UnreplaceableOutput files(false);
        runtime::ScopedServices installed({.files = &files});
        convert(allCorrections());
      },
      ::testing::ExitedWithCode(1),
      ::testing::HasSubstr("Halt: 5 Export.txa could be neither replaced nor written: Access "
                           "Denied; the converted lines are kept in Export.txa.converted\n"));
  EXPECT_EQ(readFile(folder / "Export.txa.converted"), converted);
  convert(allCorrections());
  EXPECT_EQ(output(), converted);
  EXPECT_EQ(readFile(folder / "Export.txa.converted"), converted);
}

}  // namespace
}  // namespace tallowmere::testing
