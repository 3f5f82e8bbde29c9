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

struct PassCount {
  std::string what;  // "lines read", "clauses joined", ...
  std::uint64_t value = 0;
};

// What one pass did.
struct PassReport {
  std::string pass;    // its operation name, as its progress window shows it
  std::string marker;  // a joining pass's marker; empty for the others
  bool cancelled = false;
  std::vector<int> failures;  // notify-level messages it showed (1, 13, 28)
  std::vector<PassCount> counts;
  std::vector<KeptGroup> kept;

  // Whether the pass did all it was chosen for.
  bool applied() const { return failures.empty() && kept.empty(); }
};

// What a conversion did, pass by pass, in the order they ran. The passes add to the active
// report; none is kept unless a caller activates one.
class ConversionReport {
 public:
  void add(PassReport pass) { passes_.push_back(std::move(pass)); }
  const std::vector<PassReport>& passes() const { return passes_; }
  // Every chosen correction applied everywhere: no group kept, no failure shown.
  bool allApplied() const;
  LineOrigins& origins() { return origins_; }

 private:
  std::vector<PassReport> passes_;
  LineOrigins origins_;
};

// The report of the conversion in progress, or null.
ConversionReport* activeReport();

// Keeps report active for the scope's lifetime.
class ActiveReport {
 public:
  explicit ActiveReport(ConversionReport& report);
  ~ActiveReport();
  ActiveReport(const ActiveReport&) = delete;
  ActiveReport& operator=(const ActiveReport&) = delete;

 private:
  ConversionReport* previous_;
};

// How often each of the failure messages a report looks for was shown so far.
using MessageCounts = std::array<std::uint64_t, 3>;

// One pass's part of the report while it runs: its counters and the groups it kept. It
// notes the failure messages shown meanwhile and goes into the active report, if there is
// one, when finish is given how the run ended.
class PassTally {
 public:
  PassTally(std::string pass, std::initializer_list<std::string_view> counted,
            std::string marker = {});
  // A tally whose one count, named what, is the records the run went through.
  static PassTally ofRecords(std::string pass, std::string_view what);

  std::uint64_t& operator[](std::size_t counter) { return report_.counts[counter].value; }
  void kept(KeptGroup group) { report_.kept.push_back(group); }
  // Gives outcome back, for the caller to pass on.
  const framework::RunOutcome& finish(const framework::RunOutcome& outcome);

 private:
  PassReport report_;
  MessageCounts shownBefore_;
  bool countsRecords_ = false;
};

// Runs pass and puts its part, counted in tally, in the active report; gives how the run
// ended.
framework::RunOutcome runTallied(framework::ProcessProcedure& pass, PassTally& tally);

}  // namespace tallowmere::txa
