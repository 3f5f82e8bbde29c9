#include "robustness/InProcessFixture.h"

#include <cstdlib>

#include "app/GlobalObjects.h"
#include "app/Pipeline.h"
#include "app/Program.h"
#include "platform/batch/BatchFrontEnd.h"
#include "txa/FileDeclarationsReset.h"

namespace tallowmere::testing {

InProcessTest::InProcessTest() {
  GTEST_FLAG_SET(death_test_style, "fast");
  ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  app::LOC_Options = {};
}

InProcessTest::~InProcessTest() {
  txa::testing::resetFileDeclarations();
}

void InProcessTest::convert(const app::ConversionOptions& options) {
  platform::BatchFrontEnd screen;
  {
    runtime::ScopedFrontEnd installed(screen);
    app::RunProgram([&] { app::RunPipeline(options); });
  }
  boxes_ = screen.messageBoxes();
}

app::ConversionOptions allCorrections() {
  app::ConversionOptions options;
  options.RemoveOrdinals = options.CorrectHashField = options.RemoveGuids = 1;
  options.CorrectWindowFont = options.CorrectAT = 1;
  return options;
}

}  // namespace tallowmere::testing
