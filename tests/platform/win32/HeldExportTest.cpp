#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "app/ConversionOptions.h"
#include "app/Pipeline.h"
#include "app/Program.h"
#include "runtime/ui/FrontEnd.h"
#include "support/TempDir.h"
#include "support/headless/HeadlessFrontEnd.h"
#include "txa/FileDeclarationsReset.h"

namespace tallowmere::testing {
namespace {

// A viewer, an indexer or a virus scanner holds the old export open, letting others read
// and write it but not delete it: no rename can replace it, yet the export is written
// whole, in place, and nothing is left beside it.
TEST(HeldExport, IsWrittenWholeInPlace) {
  TempDir folder(true);
  writeFile(folder / "Import.txa", crlf({"A,#ORDINAL(1)", "  x,AT(1, |", "   2)"}));
  writeFile(folder / "Export.txa", crlf({"earlier output"}));
  const HANDLE viewer = CreateFileW((folder / "Export.txa").wstring().c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(viewer, INVALID_HANDLE_VALUE);
  app::ConversionOptions all;
  all.RemoveOrdinals = all.CorrectAT = 1;
  {
    platform::HeadlessFrontEnd screen;
    runtime::ScopedFrontEnd installed(screen);
    app::RunProgram([&] { app::RunPipeline(all); });
  }
  CloseHandle(viewer);
  txa::testing::resetFileDeclarations();
  EXPECT_EQ(readFile(folder / "Export.txa"), crlf({"A", "  x,AT(1,2)"}));
  EXPECT_FALSE(std::filesystem::exists(folder / "Export.txa.partial"));
}

}  // namespace
}  // namespace tallowmere::testing
