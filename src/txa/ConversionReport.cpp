#include "txa/ConversionReport.h"

#include <algorithm>
#include <array>

#include "framework/errors/GlobalErrors.h"

namespace tallowmere::txa {

namespace {

// The messages by which a pass says it could not do its work on a line (a read that
// failed, a line that could not be written back or deleted).
constexpr std::array<int, 3> WatchedMessages = {1, 13, 28};

MessageCounts messagesShown() {
  MessageCounts shown{};
  for (std::size_t i = 0; i < shown.size(); ++i)
    shown[i] = framework::GlobalErrors.TimesTaken(WatchedMessages[i]);
  return shown;
}

}  // namespace

bool ConversionReport::allApplied() const {
  return std::all_of(passes_.begin(), passes_.end(),
                     [](const PassReport& pass) { return pass.applied(); });
}

PassTally::PassTally(ConversionReport& report, std::string pass,
                     std::initializer_list<std::string_view> counted, std::string marker)
    : report_(report), shownBefore_(messagesShown()) {
  pass_.pass = std::move(pass);
  pass_.marker = std::move(marker);
  for (const std::string_view what : counted) pass_.counts.push_back({std::string(what), 0});
}

PassTally PassTally::ofRecords(ConversionReport& report, std::string pass, std::string_view what) {
  PassTally tally(report, std::move(pass), {what});
  tally.countsRecords_ = true;
  return tally;
}

const framework::RunOutcome& PassTally::finish(const framework::RunOutcome& outcome) {
  const MessageCounts shown = messagesShown();
  pass_.cancelled = outcome.Cancelled;
  pass_.recordsTaken = outcome.RecordsTaken;
  pass_.recordsToProcess = outcome.RecordsToProcess;
  if (countsRecords_) pass_.counts.front().value = outcome.RecordsTaken;
  for (std::size_t i = 0; i < shown.size(); ++i)
    if (shown[i] != shownBefore_[i]) pass_.failures.push_back(WatchedMessages[i]);
  report_.add(std::move(pass_));
  return outcome;
}

framework::RunOutcome runTallied(framework::ProcessProcedure& pass, PassTally& tally) {
  pass.Run();
  return tally.finish(pass.Outcome());
}

}  // namespace tallowmere::txa
