#include "passes/RemoveGuids.h"

#include <cstdint>

#include "passes/CorrectionPass.h"
#include "passes/GuidReplacement.h"

namespace tallowmere::passes {

namespace {

class RemoveGuidsPass : public CorrectionPass {
 public:
  RemoveGuidsPass() : CorrectionPass("RemoveGuids", "Removing Guids") {}

 protected:
  void PrepareRun() override { LOC_IDENT = FirstIdent; }

  framework::Level TakeRecord() override {
    if (replaceGuid(Record(), LOC_IDENT)) --LOC_IDENT;
    return WriteBack();
  }

 private:
  std::uint32_t LOC_IDENT = 0;
};

}  // namespace

framework::RunOutcome RemoveGuids() {
  return framework::outcomeOfRun(RemoveGuidsPass());
}

}  // namespace tallowmere::passes
