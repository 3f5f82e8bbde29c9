#include "txa/ConversionReport.h"

#include <algorithm>
#include <array>

#include "framework/core/Levels.h"
#include "framework/errors/GlobalErrors.h"

namespace tallowmere::txa {

namespace {

ConversionReport* active = nullptr;

// The messages by which a pass says it could not do its work on a line (a read that
// failed, a line that could not be written back or deleted), and "No Records", after which
// a run ends as cancelled though nobody cancelled it.
constexpr std::array<int, 4> WatchedMessages = {1, 13, 28, 25};
constexpr std::size_t Failures = 3;
constexpr std::size_t NoRecords = 3;

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

ConversionReport* activeReport() {
  return active;
}

ActiveReport::ActiveReport(ConversionReport& report) : previous_(active) {
  active = &report;
}

ActiveReport::~ActiveReport() {
  active = previous_;
}

PassTally::PassTally(std::string pass, std::initializer_list<std::string_view> counted,
                     std::string marker)
    : shownBefore_(messagesShown()) {
  report_.pass = std::move(pass);
  report_.marker = std::move(marker);
  for (const std::string_view what : counted) report_.counts.push_back({std::string(what), 0});
}

void PassTally::finish(std::uint8_t response) {
  const MessageCounts shown = messagesShown();
  report_.cancelled =
      response == framework::RequestCancelled && shown[NoRecords] == shownBefore_[NoRecords];
  for (std::size_t i = 0; i < Failures; ++i)
    if (shown[i] != shownBefore_[i]) report_.failures.push_back(WatchedMessages[i]);
  if (active != nullptr) active->add(std::move(report_));
}

}  // namespace tallowmere::txa
