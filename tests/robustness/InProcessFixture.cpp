#include "robustness/InProcessFixture.h"

#include <cstdlib>

#include "app/CancelNotice.h"
#include "app/GlobalObjects.h"
#include "app/Pipeline.h"
#include "app/Program.h"
#include "platform/batch/BatchFrontEnd.h"
#include "platform/posix/PosixConsole.h"
#include "txa/FileDeclarationsReset.h"

namespace tallowmere::testing {

namespace {

// The batch front end, keeping the message boxes it reports.
class RecordingBatch : public platform::BatchFrontEnd {
 public:
  using BatchFrontEnd::BatchFrontEnd;
  int showMessageBox(const runtime::MessageBoxRequest& request) override {
    const int answer = BatchFrontEnd::showMessageBox(request);
    boxes.push_back({request, answer});
    return answer;
  }

  std::vector<platform::MessageBoxRecord> boxes;
};

}  // namespace

InProcessTest::InProcessTest() {
  GTEST_FLAG_SET(death_test_style, "fast");
  ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  app::LOC_Options = {};
}

InProcessTest::~InProcessTest() {
  txa::testing::resetFileDeclarations();
}

void InProcessTest::convert(const app::ConversionOptions& options) {
  platform::PosixConsole console(stderr);
  RecordingBatch screen(console);
  {
    runtime::ScopedFrontEnd installed(screen);
    app::RunProgram([&] { app::showCancelNotice(app::RunPipeline(options)); });
  }
  boxes_ = screen.boxes;
}

app::ConversionOptions allCorrections() {
  app::ConversionOptions options;
  options.RemoveOrdinals = options.CorrectHashField = options.RemoveGuids = 1;
  options.CorrectWindowFont = options.CorrectAT = 1;
  return options;
}

}  // namespace tallowmere::testing
