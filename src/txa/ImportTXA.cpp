#include "txa/ImportTXA.h"

#include <cstdint>
#include <vector>

#include "framework/process/ProcessProcedure.h"
#include "txa/AddOrHalt.h"
#include "txa/ConversionReport.h"
#include "txa/Dictionary.h"

namespace tallowmere::txa {

namespace {

// Besides appending each line, it follows the reads: on which input line, as an editor
// counts them, each record begins, and which lines the line rules cut at 500 characters.
class ImportProcedure : public framework::ProcessProcedure {
 public:
  explicit ImportProcedure(LineOrigins& origins)
      : ProcessProcedure(
            {"ImportTXA", Relate::ImportFile, {Relate::TXAFile}, "Importing TXA File", true}),
        origins_(origins) {}

  // Puts the lines cut into pass, the import's part of the report.
  void reportCutLines(PassReport& pass) const {
    if (truncated_ == 0) return;
    pass.counts.push_back({"lines truncated", truncated_});
    pass.truncated = truncated_;
    pass.firstTruncated = firstTruncated_;
  }

 protected:
  framework::Level TakeRecord() override {
    TXA_LINE() = IMP_LINE();
    addOrHalt(TXAFile(), TXAFile().name());
    follow(Process_View().lastRead());
    return framework::Level::Benign;
  }

 private:
  void follow(const runtime::RecordRead& read) {
    const std::uint64_t line = lineFeedsBefore_ + 1;
    origins_.recordBegins(records_++, line);
    lineFeedsBefore_ += read.lineFeeds();
    if (!read.cut) return;
    if (firstTruncated_.size() < PassReport::TruncatedNamed)
      firstTruncated_.push_back({line, read.loneLineFeeds != 0});
    ++truncated_;
  }

  LineOrigins& origins_;
  std::uint64_t records_ = 0;
  std::uint64_t lineFeedsBefore_ = 0;
  std::uint64_t truncated_ = 0;
  std::vector<CutLine> firstTruncated_;
};

}  // namespace

void ImportTXA(ConversionReport& report) {
  PassTally tally = PassTally::ofRecords(report, "Importing TXA File", "lines read");
  ImportProcedure pass(report.origins());
  runTallied(pass, tally);
  pass.reportCutLines(report.latest());
}

}  // namespace tallowmere::txa
