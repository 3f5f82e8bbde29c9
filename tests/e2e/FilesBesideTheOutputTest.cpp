#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/BinaryRun.h"
#include "support/TempDir.h"
#include "support/TestText.h"

namespace tallowmere::testing {
namespace {

namespace fs = std::filesystem;

// The files a conversion writes whole go through temporaries beside them; what already lies
// there, or what the names stand for, is the user's and stays so.
TEST(FilesBesideTheOutput, AreTheUsersAndStayAsTheyWere) {
  TempDir folder;
  writeFile(folder / "Import.txa", crlf({"A,#ORDINAL(1)"}));
  writeFile(folder / "report.json.partial", "the user's own");
  writeFile(folder / "real.txa", "old");
  fs::create_symlink("real.txa", folder / "Export.txa");

  const RunResult run = runProgram(folder.path(), {"--batch", "--all", "--report", "report.json"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(readFile(folder / "report.json.partial"), "the user's own");
  EXPECT_TRUE(fs::is_symlink(folder / "Export.txa"));
  EXPECT_EQ(readFile(folder / "real.txa"), crlf({"A"}));
}

}  // namespace
}  // namespace tallowmere::testing
