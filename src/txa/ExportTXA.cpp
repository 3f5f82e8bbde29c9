#include "txa/ExportTXA.h"

#include "framework/process/ProcessProcedure.h"
#include "runtime/files/FileDriver.h"
#include "txa/AddOrHalt.h"
#include "txa/Dictionary.h"

namespace tallowmere::txa {

namespace {

class ExportProcedure : public framework::ProcessProcedure {
 public:
  ExportProcedure()
      : ProcessProcedure({"ExportTXA",
                          Relate::TXAFile,
                          {Relate::ExportFile},
                          "Exporting TXA File",
                          true,
                          /*FurtherFilesFirst=*/true}) {}

 protected:
  // The results are ignored: a missing file is created by the open that follows, and a
  // file held by another program is left to that open to report.
  void PrepareRun() override {
    ExportFile().open(runtime::OpenMode::ReadWrite | runtime::OpenMode::DenyWrite);
    ExportFile().empty();
    ExportFile().close();
  }

  framework::Level TakeRecord() override {
    EXP_LINE() = TXA_LINE();
    addOrHalt(ExportFile());
    return framework::Level::Benign;
  }

  // However the scan ended, the lines exported so far must be on the disk before the run
  // counts as done: the close that would write them reports no halt.
  void EndRun() override { flushOrHalt(ExportFile()); }
};

}  // namespace

framework::RunOutcome ExportTXA() {
  return framework::outcomeOfRun(ExportProcedure());
}

}  // namespace tallowmere::txa
