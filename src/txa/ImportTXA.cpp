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
    addOrHalt(TXAFile());
    ++tally[0];
    return framework::Level::Benign;
  }

 public:
  PassTally tally{"Importing TXA File", {"lines read"}};
};

}  // namespace

void ImportTXA() {
  ImportProcedure pass;
  pass.tally.finish(pass.Run());
}

}  // namespace tallowmere::txa
