#include "passes/RemoveOrdinals.h"

#include "passes/CorrectionPass.h"
#include "passes/OrdinalCut.h"
#include "txa/ConversionReport.h"

namespace tallowmere::passes {

namespace {

class RemoveOrdinalsPass : public CorrectionPass {
 public:
  explicit RemoveOrdinalsPass(txa::ConversionReport& report)
      : CorrectionPass("RemoveOrdinals", "Removing Ordinals"),
        tally(report, "Removing Ordinals", {"lines cut"}) {}

 protected:
  framework::Level TakeRecord() override {
    if (cutAtOrdinal(Record())) ++tally[0];
    return WriteBack();
  }

 public:
  txa::PassTally tally;
};

}  // namespace

void RemoveOrdinals(txa::ConversionReport& report) {
  RemoveOrdinalsPass pass(report);
  txa::runTallied(pass, pass.tally);
}

}  // namespace tallowmere::passes
