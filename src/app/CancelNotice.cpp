#include "app/CancelNotice.h"

#include "runtime/ui/MessageBox.h"
#include "txa/TxaFiles.h"

namespace tallowmere::app {

namespace {

// 4194304 as "4,194,304": counts of millions of lines are read at a glance.
std::string grouped(std::int64_t number) {
  std::string digits = std::to_string(number);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, ",");
  return digits;
}

std::string lines(std::int64_t count) {
  return grouped(count) + (count == 1 ? " line" : " lines");
}

}  // namespace

void CancelNotice::importEnded(const framework::RunOutcome& outcome) {
  if (!outcome.Cancelled) return;
  lines_.push_back("The import was cancelled: " + txa::ExportFile().name() +
                   " was made from only the first " + lines(outcome.RecordsTaken) + " of " +
                   txa::ImportFile().name() + ".");
}

void CancelNotice::correctionEnded(std::string_view correction,
                                   const framework::RunOutcome& outcome) {
  if (!outcome.Cancelled) return;
  lines_.push_back(std::string(correction) + " was cancelled: it corrected only the first " +
                   grouped(outcome.RecordsTaken) + " of the " + lines(outcome.RecordsToProcess) +
                   ".");
}

void CancelNotice::exportEnded(const framework::RunOutcome& outcome) {
  if (!outcome.Cancelled) return;
  lines_.push_back("The export was cancelled: " + txa::ExportFile().name() +
                   " holds only the first " + grouped(outcome.RecordsTaken) + " of the " +
                   lines(outcome.RecordsToProcess) + ".");
}

std::string CancelNotice::text() const {
  std::string text;
  for (const std::string& line : lines_) text += (text.empty() ? "" : "|") + line;
  return text;
}

void CancelNotice::show() const {
  if (empty()) return;
  runtime::messageBox(
      {text(), Caption, runtime::Icon::Information, runtime::Button::OK, runtime::Button::OK});
}

}  // namespace tallowmere::app
