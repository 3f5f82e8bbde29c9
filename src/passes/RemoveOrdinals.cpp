#include "passes/RemoveOrdinals.h"

#include "passes/CorrectionPass.h"
#include "passes/OrdinalCut.h"
#include "txa/ConversionReport.h"

namespace tallowmere::passes {

namespace {

class RemoveOrdinalsPass : public CorrectionPass {
 public:
  RemoveOrdinalsPass() : CorrectionPass("RemoveOrdinals", "Removing Ordinals") {}

 protected:
  framework::Level TakeRecord() override {
    if (cutAtOrdinal(Record())) ++tally[0];
    return WriteBack();
  }

 public:
  txa::PassTally tally{"Removing Ordinals", {"lines cut"}};
};

}  // namespace

framework::RunOutcome RemoveOrdinals() {
  RemoveOrdinalsPass pass;
  return txa::runTallied(pass, pass.tally);
}

}  // namespace tallowmere::passes
