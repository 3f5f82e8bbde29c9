#include "passes/JoiningPasses.h"

#include <string>
#include <string_view>

#include "passes/CorrectionPass.h"
#include "passes/LineJoiner.h"

namespace tallowmere::passes {

namespace {

// One pass over the table with the joining step for one marker. The table is what the
// step writes to, removes from and, when a group cannot be completed, puts lines back into.
class JoiningPass : public CorrectionPass, private JoinTarget {
 public:
  JoiningPass(std::string procedureName, std::string operationName, std::string_view marker)
      : CorrectionPass(std::move(procedureName), std::move(operationName)), LOC_LINE(marker) {}

 protected:
  framework::Level TakeRecord() override {
    switch (LOC_LINE.take(Record(), *this)) {
      case LineJoiner::Outcome::Written:
      case LineJoiner::Outcome::Held: return framework::Level::Benign;
      case LineJoiner::Outcome::PutFailed: return Failed(RecordNotUpdated);
      case LineJoiner::Outcome::DeleteFailed: return Failed(RecordNotDeleted);
    }
    return framework::Level::Benign;
  }

  // Whatever ended the run, a group still held goes back into the table as it was read;
  // after a failed write or deletion that is only after its message, which so shows the
  // failure's error and not what putting the lines back left.
  void EndRun() override { LOC_LINE.restoreGroup(*this); }

 private:
  int putCurrent() override { return Process_View().put(); }
  int removeCurrent() override { return Process_View().remove(); }
  void restore(const runtime::LineText& line) override {
    Process_View().primaryFile().insertAtScan(line);
  }

  LineJoiner LOC_LINE;
};

}  // namespace

framework::RunOutcome CorrectHashField() {
  return framework::outcomeOfRun(
      JoiningPass("CorrectHashField", "Correcting Hash Fields", "#FIELD"));
}

framework::RunOutcome CorrectWindowFont() {
  return framework::outcomeOfRun(JoiningPass("CorrectWindowFont", "Correcting Font", ",FONT('"));
}

framework::RunOutcome CorrectAT() {
  return framework::outcomeOfRun(JoiningPass("CorrectAT", "Correcting AT", ",AT("));
}

}  // namespace tallowmere::passes
