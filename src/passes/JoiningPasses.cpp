#include "passes/JoiningPasses.h"

#include <string>
#include <string_view>

#include "passes/CorrectionPass.h"
#include "passes/LineJoiner.h"
#include "runtime/files/ErrorState.h"

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
      case LineJoiner::Outcome::PutFailed: return Report(RecordNotUpdated);
      case LineJoiner::Outcome::DeleteFailed: return Report(RecordNotDeleted);
    }
    return framework::Level::Benign;
  }

  // Whatever ended the run, a group still held goes back into the table as it was read.
  void EndRun() override { LOC_LINE.restoreGroup(*this); }

 private:
  int putCurrent() override { return kept(Process_View().put()); }
  int removeCurrent() override { return kept(Process_View().remove()); }
  int restore(const runtime::LineText& line) override {
    return Process_View().primaryFile().insertAtScan(line);
  }

  // The held lines are put back between a failed write or deletion and its message, and
  // putting them back leaves errors of its own; the message must show the failure.
  int kept(int result) {
    if (result != 0) failure_ = runtime::lastError();
    return result;
  }
  framework::Level Report(int id) {
    runtime::restoreError(failure_);
    return Failed(id);
  }

  LineJoiner LOC_LINE;
  runtime::ErrorState failure_;
};

}  // namespace

void CorrectHashField() {
  JoiningPass("CorrectHashField", "Correcting Hash Fields", "#FIELD").Run();
}

void CorrectWindowFont() { JoiningPass("CorrectWindowFont", "Correcting Font", ",FONT('").Run(); }

void CorrectAT() { JoiningPass("CorrectAT", "Correcting AT", ",AT(").Run(); }

}  // namespace tallowmere::passes
