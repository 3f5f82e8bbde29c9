#include "passes/RemoveOrdinals.h"

#include "passes/CorrectionPass.h"
#include "passes/OrdinalCut.h"

namespace tallowmere::passes {

namespace {

class RemoveOrdinalsPass : public CorrectionPass {
 public:
  RemoveOrdinalsPass() : CorrectionPass("RemoveOrdinals", "Removing Ordinals") {}

 protected:
  framework::Level TakeRecord() override {
    cutAtOrdinal(Record());
    return WriteBack();
  }
};

}  // namespace

framework::RunOutcome RemoveOrdinals() {
  return framework::outcomeOfRun(RemoveOrdinalsPass());
}

}  // namespace tallowmere::passes
