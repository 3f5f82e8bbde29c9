#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "framework/process/ProcessProcedure.h"
#include "txa/LineOrigins.h"

namespace tallowmere::txa {

// Why a joining pass kept a wrapped clause's lines as they were read.
enum class KeptReason { DataEnded, Cancelled, TooLong, ContinuationBroken, PassFailed };

struct KeptGroup {
  std::uint64_t line;  // input line number of the group's first line
  KeptReason reason;
};

// A line longer than the 500 characters a record holds, which the import cut there.
struct CutLine {
  std::uint64_t line;  // input line number, as editors count lines
  // It held LFs, which end no line by the line rules: the file's lines seem to end in LF
  // only.
  bool lineFeedsInside;
};

struct PassCount {
  std::string what;  // "lines read", "clauses joined", ...
  std::uint64_t value = 0;
};

// What one pass did.
struct PassReport {
  std::string pass;    // its operation name, as its progress window shows it
  std::string marker;  // a joining pass's marker; empty for the others
  // The correction it applied, as the window's check box names it; empty for the import and
  // the export.
  std::string correction;
  bool cancelled = false;
  // How far it got: the records it went through of those its file held at the start (0
  // when the file could not tell), for saying what a cancelled pass left undone.
  std::int64_t recordsTaken = 0;
  std::int64_t recordsToProcess = 0;
  std::vector<int> failures;  // notify-level messages it showed (1, 13, 28)
  std::vector<PassCount> counts;
  std::vector<KeptGroup> kept;
  // The import's lines cut at 500 characters: how many, and the first few of them.
  std::uint64_t truncated = 0;
  std::vector<CutLine> firstTruncated;
  static constexpr std::size_t TruncatedNamed = 5;

  // Whether the pass did all it was chosen for and kept every line whole.
  bool applied() const { return failures.empty() && kept.empty() && truncated == 0; }
};

// What a conversion did, pass by pass, in the order they ran: each pass is handed the
// report and adds its part when it ends.
class ConversionReport {
 public:
  void add(PassReport pass) { passes_.push_back(std::move(pass)); }
  const std::vector<PassReport>& passes() const { return passes_; }
  // The pass that ended last.
  PassReport& latest() { return passes_.back(); }
  // Every chosen correction applied everywhere to lines read whole: no group kept, no
  // failure shown, no line cut.
  bool allApplied() const;
  LineOrigins& origins() { return origins_; }

 private:
  std::vector<PassReport> passes_;
  LineOrigins origins_;
};

// How often each of the failure messages a report looks for was shown so far.
using MessageCounts = std::array<std::uint64_t, 3>;

// One pass's part of the report while it runs: its counters and the groups it kept. It
// notes the failure messages shown meanwhile and goes into report when finish is given how
// the run ended.
class PassTally {
 public:
  PassTally(ConversionReport& report, std::string pass,
            std::initializer_list<std::string_view> counted, std::string marker = {});
  // A tally whose one count, named what, is the records the run went through.
  static PassTally ofRecords(ConversionReport& report, std::string pass, std::string_view what);

  std::uint64_t& operator[](std::size_t counter) { return pass_.counts[counter].value; }
  void kept(KeptGroup group) { pass_.kept.push_back(group); }
  // Gives outcome back, for the caller to pass on.
  const framework::RunOutcome& finish(const framework::RunOutcome& outcome);

 private:
  ConversionReport& report_;
  PassReport pass_;
  MessageCounts shownBefore_;
  bool countsRecords_ = false;
};

// Runs pass and puts its part, counted in tally, in tally's report; gives how the run
// ended.
framework::RunOutcome runTallied(framework::ProcessProcedure& pass, PassTally& tally);

}  // namespace tallowmere::txa
