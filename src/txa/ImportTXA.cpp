#include "txa/ImportTXA.h"

#include "framework/process/ProcessProcedure.h"
#include "txa/AddOrHalt.h"
#include "txa/ConversionReport.h"
#include "txa/Dictionary.h"

namespace tallowmere::txa {

namespace {

class ImportProcedure : public framework::ProcessProcedure {
 public:
  ImportProcedure()
      : ProcessProcedure(
            {"ImportTXA", Relate::ImportFile, {Relate::TXAFile}, "Importing TXA File", true}) {}

 protected:
  framework::Level TakeRecord() override {
    TXA_LINE() = IMP_LINE();
    addOrHalt(TXAFile(), TXAFile().name());
    return framework::Level::Benign;
  }
};

}  // namespace

void ImportTXA(ConversionReport& report) {
  PassTally tally = PassTally::ofRecords(report, "Importing TXA File", "lines read");
  ImportProcedure pass;
  runTallied(pass, tally);
}

}  // namespace tallowmere::txa
