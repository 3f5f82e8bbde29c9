#include "txa/ExportTXA.h"

#include "framework/process/ProcessProcedure.h"
#include "runtime/files/FileDriver.h"
#include "txa/AddOrHalt.h"
#include "txa/ConversionReport.h"
#include "txa/Dictionary.h"
#include "txa/StagedOutput.h"

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
  // file held by another program is left to that open to report. The lines then go to a
  // temporary file that takes the output's place only when the run ends.
  void PrepareRun() override {
    output_ = ExportFile().name();
    const int opened =
        ExportFile().open(runtime::OpenMode::ReadWrite | runtime::OpenMode::DenyWrite);
    ExportFile().empty();
    ExportFile().close();
    staging_.stage(opened == runtime::ErrorCode::NoError ||
                   opened == runtime::ErrorCode::FileNotFound);
  }

  framework::Level TakeRecord() override {
    EXP_LINE() = TXA_LINE();
    addOrHalt(ExportFile(), output_);
    return framework::Level::Benign;
  }

  // However the scan ended (a cancelled export keeps the lines written so far), the lines
  // exported must be on the disk before they take the output's place and the run counts
  // as done: the close that would write them reports no halt.
  void EndRun() override {
    flushOrHalt(ExportFile(), output_);
    haltOnError(staging_.commit(), output_ + " could not be replaced");
  }

 private:
  StagedOutput staging_{ExportFile()};
  std::string output_;  // the output's name, which a halt gives however it is written
};

}  // namespace

void ExportTXA(ConversionReport& report) {
  PassTally tally = PassTally::ofRecords(report, "Exporting TXA File", "lines written");
  ExportProcedure pass;
  runTallied(pass, tally);
}

}  // namespace tallowmere::txa
