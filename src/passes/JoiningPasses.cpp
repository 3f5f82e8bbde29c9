#include "passes/JoiningPasses.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "passes/CorrectionPass.h"
#include "passes/LineJoiner.h"
#include "txa/ConversionReport.h"

namespace tallowmere::passes {

namespace {

// One pass over the table with the joining step for one marker. The table is what the
// step writes to, removes from and, when a group cannot be completed, puts lines back into.
class JoiningPass : public CorrectionPass, private JoinTarget {
 public:
  JoiningPass(txa::ConversionReport& report, std::string procedureName, std::string operationName,
              std::string_view marker)
      : CorrectionPass(std::move(procedureName), operationName),
        joiner_(marker),
        tally_(report, std::move(operationName), {"clauses joined", "lines removed"},
               std::string(marker)),
        report_(report) {}

  void RunAndReport() {
    txa::runTallied(*this, tally_);
    report_.origins().endPass();
  }

 protected:
  framework::Level TakeRecord() override {
    const auto index = static_cast<std::uint64_t>(RecordsTaken());
    switch (joiner_.take(Record(), *this)) {
      case LineJoiner::Outcome::Joined:
        countJoin();
        [[fallthrough]];
      case LineJoiner::Outcome::Written:
        ++written_;
        break;
      case LineJoiner::Outcome::Held:
        if (joiner_.heldLines() == 1) groupStart_ = index;
        break;
      case LineJoiner::Outcome::PutFailed:
        return failed(RecordNotUpdated);
      case LineJoiner::Outcome::DeleteFailed:
        return failed(RecordNotDeleted);
    }
    return framework::Level::Benign;
  }

  // Whatever ended the run, a group still held goes back into the table as it was read;
  // after a failed write or deletion that is only after its message, which so shows the
  // failure's error and not what putting the lines back left.
  void EndRun() override {
    const auto reason = failed_                                     ? KeptReason::PassFailed
                        : Response() == framework::RequestCancelled ? KeptReason::Cancelled
                                                                    : KeptReason::DataEnded;
    joiner_.restoreGroup(*this, reason);
  }

 private:
  using KeptReason = txa::KeptReason;

  int putCurrent() override { return Process_View().put(); }
  int removeCurrent() override { return Process_View().remove(); }
  void restore(const runtime::LineText& line) override {
    Process_View().primaryFile().insertAtScan(line);
    ++written_;
  }
  void groupKept(KeptReason reason) override {
    tally_.kept({report_.origins().inputLine(groupStart_), reason});
  }

  void countJoin() {
    ++tally_[0];
    tally_[1] += joiner_.joinedLines() - 1;
    report_.origins().joined(written_, joiner_.joinedLines());
  }

  framework::Level failed(int id) {
    failed_ = true;
    return Failed(id);
  }

  LineJoiner joiner_;
  txa::PassTally tally_;
  txa::ConversionReport& report_;
  // The position in the table as the pass leaves it (the records taken give it as the pass
  // found it), and where the group held now began.
  std::uint64_t written_ = 0;
  std::uint64_t groupStart_ = 0;
  bool failed_ = false;
};

}  // namespace

void CorrectHashField(txa::ConversionReport& report) {
  JoiningPass(report, "CorrectHashField", "Correcting Hash Fields", "#FIELD").RunAndReport();
}

void CorrectWindowFont(txa::ConversionReport& report) {
  JoiningPass(report, "CorrectWindowFont", "Correcting Font", ",FONT('").RunAndReport();
}

void CorrectAT(txa::ConversionReport& report) {
  JoiningPass(report, "CorrectAT", "Correcting AT", ",AT(").RunAndReport();
}

}  // namespace tallowmere::passes
