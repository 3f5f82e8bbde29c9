#include "passes/RemoveGuids.h"

#include <cstdint>

#include "passes/CorrectionPass.h"
#include "passes/GuidReplacement.h"
#include "txa/ConversionReport.h"

namespace tallowmere::passes {

namespace {

class RemoveGuidsPass : public CorrectionPass {
 public:
  explicit RemoveGuidsPass(txa::ConversionReport& report)
      : CorrectionPass("RemoveGuids", "Removing Guids"),
        tally(report, "Removing Guids", {"lines replaced"}) {}

 protected:
  void PrepareRun() override { LOC_IDENT = FirstIdent; }

  framework::Level TakeRecord() override {
    if (replaceGuid(Record(), LOC_IDENT)) {
      --LOC_IDENT;
      ++tally[0];
    }
    return WriteBack();
  }

 public:
  txa::PassTally tally;

 private:
  std::uint32_t LOC_IDENT = 0;
};

}  // namespace

void RemoveGuids(txa::ConversionReport& report) {
  RemoveGuidsPass pass(report);
  txa::runTallied(pass, pass.tally);
}

}  // namespace tallowmere::passes
